// A stand-in for Windows' uiautomationcore.dll, loaded under wine by a DLL
// override: it records each notification raised, a line each in
// C:\notifications.txt: the host control's id, the kind, the processing and
// the sentence.
#include <windows.h>

#include <cstdio>
#include <unknwn.h>

// A window's host provider: only its window is needed; the few made live on.
struct Host final : IUnknown
{
    explicit Host(HWND window) : window(window) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **) override { return E_NOINTERFACE; }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    const HWND window;
};

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaHostProviderFromHwnd(HWND window, IUnknown **provider)
{
    *provider = window ? new Host(window) : nullptr;
    return window ? S_OK : E_INVALIDARG;
}

extern "C" __declspec(dllexport) HRESULT WINAPI
    UiaRaiseNotificationEvent(IUnknown *provider, int kind, int processing, BSTR text, BSTR)
{
    if (FILE *record = std::fopen("C:\\notifications.txt", "a")) {
        fwprintf(record, L"%d %d %d %ls\n", GetDlgCtrlID(static_cast<Host *>(provider)->window),
                 kind, processing, text);
        std::fclose(record);
    }
    return S_OK;
}
