#include "win32/accessibility.h"

#include <commctrl.h>
#include <oleacc.h>

#include <map>

namespace tavrel {

namespace {

struct Note
{
    std::wstring name, description;
    HWND valueFrom; // a spin button's box
    bool readOnly = false, inactive = false;
};

// Keyed by the control, so that an object a screen reader still holds after
// its window is gone finds nothing and falls back on the standard proxy.
std::map<HWND, Note> g_notes;

const Note *NoteOf(HWND control)
{
    const auto it = g_notes.find(control);
    return it == g_notes.end() ? nullptr : &it->second;
}

// From oleaut32, loaded with oleacc: a start without a screen reader loads neither.
BSTR(WINAPI *g_allocString)(const OLECHAR *) = nullptr;

HRESULT Text(const std::wstring &text, BSTR *out)
{
    *out = g_allocString ? g_allocString(text.c_str()) : nullptr;
    return *out ? S_OK : E_OUTOFMEMORY;
}

// The standard proxy, with the name, description, role, value and states of the note.
class Annotated final : public IAccessible
{
public:
    Annotated(HWND control, IAccessible *standard) : m_control(control), m_standard(standard) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void **out) override
    {
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible *>(this);
            AddRef();
            return S_OK;
        }
        return m_standard->QueryInterface(id, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        if (--m_references)
            return m_references;
        m_standard->Release();
        delete this;
        return 0;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *out) override
    {
        const Note *note = Self(child);
        // A control only described (a button told a result) keeps its own name.
        return note && !note->name.empty() ? Text(note->name, out)
                                           : m_standard->get_accName(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *out) override
    {
        const Note *note = Self(child);
        return note ? Text(note->description, out) : m_standard->get_accDescription(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *out) override
    {
        const Note *note = Self(child);
        if (!note || !note->valueFrom)
            return m_standard->get_accRole(child, out);
        out->vt = VT_I4;
        out->lVal = ROLE_SYSTEM_SPINBUTTON;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *out) override
    {
        const Note *note = Self(child);
        if (!note || !note->valueFrom)
            return m_standard->get_accValue(child, out);
        std::wstring text(GetWindowTextLengthW(note->valueFrom) + 1, L'\0');
        text.resize(GetWindowTextW(note->valueFrom, text.data(), int(text.size())));
        return Text(text, out);
    }
    // The window stays enabled, so that the focus and Tab still reach it.
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *out) override
    {
        const HRESULT result = m_standard->get_accState(child, out);
        if (const Note *note = Self(child); note && result == S_OK && out->vt == VT_I4) {
            if (note->inactive)
                out->lVal |= STATE_SYSTEM_UNAVAILABLE;
            if (note->readOnly)
                out->lVal |= STATE_SYSTEM_READONLY;
        }
        return result;
    }

    // The rest as the standard proxy has it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *n) override
    {
        return m_standard->GetTypeInfoCount(n);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT i, LCID l, ITypeInfo **t) override
    {
        return m_standard->GetTypeInfo(i, l, t);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID r, LPOLESTR *n, UINT c, LCID l,
                                            DISPID *d) override
    {
        return m_standard->GetIDsOfNames(r, n, c, l, d);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID d, REFIID r, LCID l, WORD f, DISPPARAMS *p, VARIANT *v,
                                     EXCEPINFO *e, UINT *a) override
    {
        return m_standard->Invoke(d, r, l, f, p, v, e, a);
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **p) override
    {
        return m_standard->get_accParent(p);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *n) override
    {
        return m_standard->get_accChildCount(n);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT c, IDispatch **d) override
    {
        return m_standard->get_accChild(c, d);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT c, BSTR *h) override
    {
        return m_standard->get_accHelp(c, h);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *f, VARIANT c, long *t) override
    {
        return m_standard->get_accHelpTopic(f, c, t);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT c, BSTR *k) override
    {
        return m_standard->get_accKeyboardShortcut(c, k);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *f) override
    {
        return m_standard->get_accFocus(f);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *s) override
    {
        return m_standard->get_accSelection(s);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT c, BSTR *a) override
    {
        return m_standard->get_accDefaultAction(c, a);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long f, VARIANT c) override
    {
        return m_standard->accSelect(f, c);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *x, long *y, long *w, long *h, VARIANT c) override
    {
        return m_standard->accLocation(x, y, w, h, c);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long n, VARIANT s, VARIANT *e) override
    {
        return m_standard->accNavigate(n, s, e);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *c) override
    {
        return m_standard->accHitTest(x, y, c);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT c) override
    {
        return m_standard->accDoDefaultAction(c);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT c, BSTR n) override
    {
        return m_standard->put_accName(c, n);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT c, BSTR v) override
    {
        return m_standard->put_accValue(c, v);
    }

private:
    // The note, when the question is about the control itself.
    const Note *Self(const VARIANT &child) const
    {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF ? NoteOf(m_control) : nullptr;
    }

    HWND m_control;
    IAccessible *m_standard;
    ULONG m_references = 1;
};

// oleacc and COM, loaded when an assistive tool first asks. (Interface ids
// come from __uuidof: oleacc exports IID_IAccessible as data, which a static
// link does not reach.)
LRESULT AnswerGetObject(HWND control, WPARAM flags)
{
    static const HMODULE oleacc = [] {
        if (const HMODULE ole = LoadLibraryW(L"ole32.dll"))
            if (const auto initialize = reinterpret_cast<HRESULT(WINAPI *)(void *, DWORD)>(
                    reinterpret_cast<void *>(GetProcAddress(ole, "CoInitializeEx"))))
                initialize(nullptr, COINIT_APARTMENTTHREADED);
        g_allocString = reinterpret_cast<BSTR(WINAPI *)(const OLECHAR *)>(reinterpret_cast<void *>(
            GetProcAddress(LoadLibraryW(L"oleaut32.dll"), "SysAllocString")));
        return LoadLibraryW(L"oleacc.dll");
    }();
    const auto standardObject = reinterpret_cast<HRESULT(WINAPI *)(HWND, LONG, REFIID, void **)>(
        reinterpret_cast<void *>(GetProcAddress(oleacc, "CreateStdAccessibleObject")));
    const auto result = reinterpret_cast<LRESULT(WINAPI *)(REFIID, WPARAM, IUnknown *)>(
        reinterpret_cast<void *>(GetProcAddress(oleacc, "LresultFromObject")));
    IAccessible *standard = nullptr;
    if (!standardObject || !result ||
        FAILED(standardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                              reinterpret_cast<void **>(&standard))))
        return 0;
    auto *annotated = new Annotated(control, standard);
    const LRESULT answer = result(__uuidof(IAccessible), flags, annotated);
    annotated->Release();
    return answer;
}

LRESULT CALLBACK DescribedProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR)
{
    if (message == WM_GETOBJECT && LONG(lParam) == OBJID_CLIENT)
        if (const LRESULT answer = AnswerGetObject(control, wParam))
            return answer;
    if (message == WM_NCDESTROY) {
        g_notes.erase(control);
        RemoveWindowSubclass(control, DescribedProc, 0);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void Describe(HWND control, const std::wstring &name, HWND valueFrom, bool readOnly)
{
    g_notes[control] = {name, {}, valueFrom, readOnly};
    SetWindowSubclass(control, DescribedProc, 0, 0);
}

void SetDescription(HWND control, const std::wstring &description)
{
    g_notes[control].description = description;
    SetWindowSubclass(control, DescribedProc, 0, 0); // a control described for the first time
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void SetInactive(HWND control, bool inactive)
{
    g_notes[control].inactive = inactive;
    SetWindowSubclass(control, DescribedProc, 0, 0);
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void AnnounceValue(HWND spinButton)
{
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, spinButton, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace tavrel
