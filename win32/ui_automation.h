// Windows' own way to have a sentence spoken: a UI Automation notification
// (Windows 10 1709 and later), which Narrator and NVDA speak. Looked up when
// first needed, so that Tavrel.exe imports nothing more and still starts on
// a Windows without it.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <string>

namespace tavrel {

// Raised through the control's host provider, as an action completed whose
// most recent sentence is the one to speak. False where Windows has no such
// notification, or it failed.
bool RaiseNotification(HWND control, const std::wstring &text);

} // namespace tavrel
