// The About box's "System Info..." launcher: finds the desktop's
// system-information tool through two registry entries and starts it, or
// shows one message. Plain C++ over LauncherPlatform, so that it runs on the
// real registry, on the stand-in of desktops without one, and in the tests.
#pragma once

#include "about/registry.h"

#include <cstdint>
#include <string>

namespace tavrel {

inline constexpr const char *kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr const char *kSysInfoValue = "PATH";
inline constexpr const char *kSysInfoFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr const char *kSysInfoFolderValue = "MSINFO";
inline constexpr const char *kSysInfoProgram = "\\MSINFO32.EXE";
inline constexpr const char *kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// KEY_READ: the launcher only reads. Asking for more (set value, create
// sub-key, ...) under HKEY_LOCAL_MACHINE is refused to a standard user.
inline constexpr std::uint32_t kLauncherKeyAccess = 0x00020019;
inline constexpr std::uint32_t kValueBufferBytes = 1024;

class LauncherPlatform
{
public:
    virtual ~LauncherPlatform() = default;

    virtual Registry &registry() = 0;
    // True for a plain file only: not hidden, not a system file, not a folder.
    virtual bool FileExists(const std::string &path) = 0;
    // Starts exactly the program file at path, in a normal window, without
    // waiting; throws std::runtime_error when it cannot be started.
    virtual void StartProgram(const std::string &path) = 0;
    // A message box with an OK button and no icon.
    virtual void ShowMessage(const std::string &title, const std::string &text) = 0;
};

// Reads one value of one key as text into keyValue; true when it was read.
// Text values lose one terminating NUL; 32-bit numbers become "&h" and their
// hexadecimal digits (0x00012345 gives "&h012345"); values of other types are
// read but leave keyValue as it was. A missing key or value gives false and an
// empty keyValue. Throws std::runtime_error for a value of size 0.
bool GetKeyValue(Registry &registry, std::int32_t keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyValue);

// Lookup 1 (the tool's full path), else lookup 2 (its folder, where
// MSINFO32.EXE must exist), then start it; any failure shows the one message.
void StartSysInfo(LauncherPlatform &platform);

} // namespace tavrel
