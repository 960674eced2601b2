#include "win32/accessibility.h"

#include <oleacc.h>

#include <algorithm>

namespace tavrel {

namespace {

// Windows' annotation service, started on first use; none where it is missing.
IAccPropServices *Services()
{
    static IAccPropServices *const services = [] {
        const HMODULE ole = LoadLibraryW(L"ole32.dll");
        const auto initialize = reinterpret_cast<HRESULT(WINAPI *)(void *, DWORD)>(
            reinterpret_cast<void *>(GetProcAddress(ole, "CoInitializeEx")));
        const auto create =
            reinterpret_cast<HRESULT(WINAPI *)(REFCLSID, IUnknown *, DWORD, REFIID, void **)>(
                reinterpret_cast<void *>(GetProcAddress(ole, "CoCreateInstance")));
        IAccPropServices *created = nullptr;
        if (initialize && create && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED)))
            create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                   reinterpret_cast<void **>(&created));
        return created;
    }();
    return services;
}

} // namespace

bool ScreenReaderNotes::ScreenReaderRunning()
{
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

ScreenReaderNotes::Note &ScreenReaderNotes::NoteOf(HWND control)
{
    const auto it = std::find_if(m_notes.begin(), m_notes.end(),
                                 [control](const Note &note) { return note.control == control; });
    return it != m_notes.end() ? *it : m_notes.emplace_back(Note{control, {}, {}, 0, {}});
}

void ScreenReaderNotes::Describe(HWND control, const std::wstring &name,
                                 const std::wstring &description, long role)
{
    Note &note = NoteOf(control);
    note.name = name;
    note.description = description;
    note.role = role;
    if (m_published)
        Send(note);
}

void ScreenReaderNotes::DescribeValue(HWND control, const std::wstring &value)
{
    Note &note = NoteOf(control);
    note.value = value;
    if (m_published)
        Send(note);
}

void ScreenReaderNotes::Publish()
{
    if (m_published)
        return;
    m_published = true;
    for (const Note &note : m_notes)
        Send(note);
}

void ScreenReaderNotes::Send(const Note &note) const
{
    IAccPropServices *services = Services();
    if (!services)
        return;
    const auto text = [&](const MSAAPROPID &property, const std::wstring &value) {
        if (!value.empty())
            services->SetHwndPropStr(note.control, DWORD(OBJID_CLIENT), CHILDID_SELF, property,
                                     value.c_str());
    };
    text(PROPID_ACC_NAME, note.name);
    text(PROPID_ACC_DESCRIPTION, note.description);
    text(PROPID_ACC_VALUE, note.value);
    if (note.role) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = note.role;
        services->SetHwndProp(note.control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_ROLE,
                              role);
    }
}

} // namespace tavrel
