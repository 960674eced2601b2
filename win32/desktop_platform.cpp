#include "win32/desktop_platform.h"

#include "common/application.h"
#include "win32/text.h"

#include <stdexcept>

namespace tavrel {

namespace {

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

} // namespace

long WindowsRegistry::OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                              std::uint32_t access, RegistryKey &key)
{
    // Predefined roots are 32-bit values, sign-extended to a handle (as HKEY_LOCAL_MACHINE is).
    const HKEY rootKey = ToHkey(static_cast<RegistryKey>(static_cast<LONG_PTR>(root)));
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootKey, subKey.c_str(), options, access, &opened);
    if (result == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryKey>(opened);
    return result;
}

long WindowsRegistry::QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                                 unsigned char *data, std::uint32_t &size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG result =
        RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return result;
}

long WindowsRegistry::CloseKey(RegistryKey key) { return RegCloseKey(ToHkey(key)); }

bool DesktopPlatform::FileExists(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD kNotPlain =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotPlain) == 0;
}

void DesktopPlatform::StartProgram(const std::string &path)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    // The file is named as the application itself: nothing searches for it or
    // splits its path at blanks ("C:\Program Files\..." never runs C:\Program.exe).
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        throw std::runtime_error("cannot start " + path);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

void DesktopPlatform::ShowMessage(const std::string &title, const std::string &text)
{
    MessageBoxW(GetActiveWindow(), Utf16(text).c_str(), Utf16(title).c_str(), MB_OK);
}

} // namespace tavrel
