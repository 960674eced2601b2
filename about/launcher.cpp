#include "about/launcher.h"

#include "common/application.h"

#include <array>
#include <stdexcept>

namespace tavrel {

namespace {

std::string HexDigits(unsigned char byte)
{
    constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

} // namespace

bool GetKeyValue(Registry &registry, std::int32_t keyRoot, const std::string &keyName,
                 const std::string &subKeyRef, std::string &keyValue)
{
    RegistryKey key = 0;
    if (registry.OpenKey(keyRoot, keyName, 0, kLauncherKeyAccess, key) != kErrorSuccess) {
        keyValue.clear();
        return false;
    }
    // Closes the key on every way out, the error of a size-0 value included.
    struct Closer
    {
        Registry &registry;
        RegistryKey key;
        ~Closer() { registry.CloseKey(key); }
    } closer{registry, key};

    std::array<unsigned char, kValueBufferBytes> buffer{};
    std::uint32_t size = kValueBufferBytes;
    std::uint32_t type = 0;
    // A size beyond the buffer would be a lie of the registry: count it as not read.
    if (registry.QueryValue(key, subKeyRef, type, buffer.data(), size) != kErrorSuccess ||
        size > kValueBufferBytes) {
        keyValue.clear();
        return false;
    }
    if (size == 0)
        throw std::runtime_error("Invalid procedure call or argument");

    // The last byte the read reported is cut when it is NUL: a text's terminator.
    const std::size_t kept = buffer[size - 1] == 0 ? size - 1 : size;
    if (type == kRegSz) {
        keyValue.assign(reinterpret_cast<const char *>(buffer.data()), kept);
    } else if (type == kRegDword) {
        std::string hex = "&h";
        for (std::size_t i = kept; i-- > 0;)
            hex += HexDigits(buffer[i]);
        keyValue = hex;
    }
    return true;
}

void StartSysInfo(LauncherPlatform &platform)
{
    try {
        std::string path;
        if (!GetKeyValue(platform.registry(), kHkeyLocalMachine, kSysInfoKey, kSysInfoValue,
                         path)) {
            if (!GetKeyValue(platform.registry(), kHkeyLocalMachine, kSysInfoFolderKey,
                             kSysInfoFolderValue, path))
                throw std::runtime_error("no system-information tool registered");
            // An empty folder would test MSINFO32.EXE at the root of the current drive.
            if (path.empty() || !platform.FileExists(path + kSysInfoProgram))
                throw std::runtime_error("no MSINFO32.EXE in the registered folder");
            path += kSysInfoProgram;
        }
        // A value of an unconverted type answers true and leaves the path empty.
        if (path.empty())
            throw std::runtime_error("empty system-information path");
        platform.StartProgram(path);
    } catch (const std::exception &) {
        platform.ShowMessage(kApplicationTitle, kSysInfoUnavailable);
    }
}

} // namespace tavrel
