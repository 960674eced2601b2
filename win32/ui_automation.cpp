#include "win32/ui_automation.h"

#include <unknwn.h>

namespace tavrel {

namespace {

// UI Automation's NotificationKind_ActionCompleted and NotificationProcessing_MostRecent.
constexpr int kActionCompleted = 2;
constexpr int kMostRecent = 3;

// A function of a system library, or null where the library or the function is missing.
template <typename Function> Function Find(const wchar_t *library, const char *name)
{
    const HMODULE module = LoadLibraryW(library); // kept for the program's life
    return module
               ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)))
               : nullptr;
}

} // namespace

bool RaiseNotification(HWND control, const std::wstring &text)
{
    static const auto hostProvider = Find<HRESULT(WINAPI *)(HWND, IUnknown **)>(
        L"uiautomationcore.dll", "UiaHostProviderFromHwnd");
    static const auto raise = Find<HRESULT(WINAPI *)(IUnknown *, int, int, BSTR, BSTR)>(
        L"uiautomationcore.dll", "UiaRaiseNotificationEvent");
    static const auto allocString =
        Find<BSTR(WINAPI *)(const OLECHAR *)>(L"oleaut32.dll", "SysAllocString");
    static const auto freeString = Find<void(WINAPI *)(BSTR)>(L"oleaut32.dll", "SysFreeString");
    IUnknown *provider = nullptr;
    if (!hostProvider || !raise || !allocString || !freeString ||
        FAILED(hostProvider(control, &provider)) || !provider)
        return false;
    const BSTR sentence = allocString(text.c_str());
    const BSTR activity = allocString(L"Tavrel.Distance");
    const HRESULT result = raise(provider, kActionCompleted, kMostRecent, sentence, activity);
    freeString(sentence);
    freeString(activity);
    provider->Release();
    return SUCCEEDED(result);
}

} // namespace tavrel
