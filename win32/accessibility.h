// What screen readers say of a control beyond what Windows' standard proxy
// tells: its name, a description, the role and value of a scroll bar that
// stands for a spin button. The notes are kept here and handed to Windows'
// annotation service only once a screen reader is about (one is running at
// start, one starts later, or an assistive tool asks a window for its
// object), so that a start without one loads no COM at all.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>
#include <vector>

namespace tavrel {

class ScreenReaderNotes
{
public:
    // role 0: the control's own.
    void Describe(HWND control, const std::wstring &name, const std::wstring &description,
                  long role = 0);
    void DescribeValue(HWND control, const std::wstring &value);
    // Hands every note to Windows from now on.
    void Publish();
    // A screen reader is running, as it tells the desktop.
    static bool ScreenReaderRunning();

private:
    struct Note
    {
        HWND control;
        std::wstring name, description;
        long role;
        std::wstring value;
    };
    Note &NoteOf(HWND control);
    void Send(const Note &note) const;

    std::vector<Note> m_notes;
    bool m_published = false;
};

} // namespace tavrel
