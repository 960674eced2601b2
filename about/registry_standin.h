// A read-only stand-in for the registry on desktops that have none.
//
// It presents the one location the launcher needs as such a desktop would:
// the "PATH" value of the system-information key names the first program of
// a short list (hardware-information and info-center tools of the common
// desktops) found on the executable search path, looked up afresh at every
// open. When none is installed, both locations are missing.
#pragma once

#include "about/registry.h"

#include <string>
#include <vector>

namespace tavrel {

// kinfocenter, hardinfo2, hardinfo, ... in order of preference.
const std::vector<std::string> &DefaultSysInfoPrograms();

class StandInRegistry : public Registry
{
public:
    // searchPath: folders separated by ':' (as $PATH); empty entries are skipped.
    explicit StandInRegistry(std::string searchPath,
                             std::vector<std::string> programs = DefaultSysInfoPrograms());

    long OpenKey(std::int32_t root, const std::string &subKey, std::uint32_t options,
                 std::uint32_t access, RegistryKey &key) override;
    long QueryValue(RegistryKey key, const std::string &valueName, std::uint32_t &type,
                    unsigned char *data, std::uint32_t &size) override;
    long CloseKey(RegistryKey key) override;

private:
    // The first listed program found on the search path, or empty.
    std::string FindProgram() const;

    std::string m_searchPath;
    std::vector<std::string> m_programs;
    std::string m_openPath; // the tool found when the key was opened
};

} // namespace tavrel
