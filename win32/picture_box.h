// A picture box: a bitmap stretched over it, in the focus order like any
// control that takes input, with a focus frame while it has the focus.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tavrel {

inline constexpr wchar_t kPictureBoxClass[] = L"TavrelPicture";

void RegisterPictureBoxClass(HINSTANCE instance);

// The picture it shows; owned by the caller, who keeps it while it is shown.
void SetPicture(HWND pictureBox, HBITMAP picture);

} // namespace tavrel
