#include "about/registry_standin.h"

#include "about/launcher.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tavrel {

namespace {

constexpr RegistryKey kSysInfoKeyHandle = 1;

bool IsExecutableFile(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    using std::filesystem::perms;
    return !error && std::filesystem::is_regular_file(status) &&
           (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) !=
               perms::none;
}

} // namespace

const std::vector<std::string> &DefaultSysInfoPrograms()
{
    static const std::vector<std::string> programs = {"kinfocenter", "hardinfo2", "hardinfo",
                                                      "xfce4-about", "lshw-gtk"};
    return programs;
}

StandInRegistry::StandInRegistry(std::string searchPath, std::vector<std::string> programs)
    : m_searchPath(std::move(searchPath)), m_programs(std::move(programs))
{}

std::string StandInRegistry::FindProgram() const
{
    for (const std::string &program : m_programs) {
        std::size_t start = 0;
        while (start <= m_searchPath.size()) {
            const std::size_t end = std::min(m_searchPath.find(':', start), m_searchPath.size());
            const std::string folder = m_searchPath.substr(start, end - start);
            start = end + 1;
            if (folder.empty())
                continue;
            const std::filesystem::path candidate = std::filesystem::path(folder) / program;
            if (IsExecutableFile(candidate))
                return candidate.string();
        }
    }
    return {};
}

long StandInRegistry::OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t,
                              std::uint32_t, RegistryKey &key)
{
    if (root != kHkeyLocalMachine || subKey != kSysInfoKey)
        return kErrorFileNotFound;
    m_openPath = FindProgram();
    if (m_openPath.empty())
        return kErrorFileNotFound;
    key = kSysInfoKeyHandle;
    return kErrorSuccess;
}

long StandInRegistry::QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                                 unsigned char *data, std::uint32_t &size)
{
    if (key != kSysInfoKeyHandle || valueName != kSysInfoValue)
        return kErrorFileNotFound;
    // Stored as the desktop's registry stores text: with its terminating NUL.
    const std::size_t bytes = m_openPath.size() + 1;
    if (bytes > size) {
        size = static_cast<std::uint32_t>(bytes);
        return kErrorMoreData;
    }
    std::memcpy(data, m_openPath.c_str(), bytes);
    size = static_cast<std::uint32_t>(bytes);
    type = kRegSz;
    return kErrorSuccess;
}

long StandInRegistry::CloseKey(RegistryKey key)
{
    if (key == kSysInfoKeyHandle)
        m_openPath.clear();
    return kErrorSuccess;
}

} // namespace tavrel
