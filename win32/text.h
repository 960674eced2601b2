// The core speaks UTF-8; Windows' own functions, UTF-16.
#pragma once

#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace tavrel {

inline std::wstring Utf16(const std::string &text)
{
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0),
                      L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size()));
    return wide;
}

// An unpaired surrogate becomes U+FFFD, as it cannot be written in UTF-8.
inline std::string Utf8(const std::wstring &text)
{
    std::string narrow(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                           nullptr, nullptr),
                       '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(),
                        int(narrow.size()), nullptr, nullptr);
    return narrow;
}

// A window's text, such as a box's, whole.
inline std::wstring WindowText(HWND window)
{
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), int(text.size())));
    return text;
}

} // namespace tavrel
