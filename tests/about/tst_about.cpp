// The About box's picture for a DPI; the launcher behind "System Info..." on
// an in-memory registry, and the stand-in registry of desktops without one
// on a real folder tree; the wine test reads values through the Windows
// registry functions.
#include "about/frm_about.h"
#include "about/registry_standin.h"
#include "common/application.h"
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace tavrel;
using namespace tavrel::testing;

namespace {

// A location as "<type>:<bytes>" with "|" for a NUL byte, or "" for none.
FakePlatform::Value ValueOf(const std::string &text)
{
    std::string bytes = text.substr(text.find(':') + 1);
    std::replace(bytes.begin(), bytes.end(), '|', '\0');
    return {std::uint32_t(std::stoul(text.substr(0, text.find(':')))), bytes};
}

} // namespace

TEST(StartSysInfo, LooksUpStartsOrShowsTheOneMessage)
{
    // Keys are opened with KEY_READ (20019).
    const std::string tools = "1:C:\\Tools|", x1024(1024, 'x'), x1025(1025, 'x');
    const std::string second = "open MSINFO 20019, open Shared Tools Location 20019, ";
    const std::string unavailable = std::string(kApplicationTitle) + ": " + kSysInfoUnavailable;
    const struct
    {
        const char *name;
        std::string path, folder;
        std::uint32_t claimedSize; // by a registry that lies; 0: none
        std::string log;
    } rows[] = {
        {"path: its NUL cut, started as read, folder not looked up", "1:C:\\tool.exe|", tools, 0,
         "open MSINFO 20019, start C:\\tool.exe"},
        {"1024 bytes without a NUL: whole", "1:" + x1024, tools, 0,
         "open MSINFO 20019, start " + x1024},
        {"1025 bytes: missing, the folder instead", "1:" + x1025, tools, 0,
         second + "test C:\\Tools\\MSINFO32.EXE, start C:\\Tools\\MSINFO32.EXE"},
        {"size claimed past the buffer: not read", "1:C:\\tool.exe|", "", 5000,
         second + unavailable},
        {"folder without MSINFO32.EXE", "", "1:C:\\Empty|", 0,
         second + "test C:\\Empty\\MSINFO32.EXE, " + unavailable},
        {"path to a missing file: folder not tried", "1:C:\\Gone.exe|", tools, 0,
         "open MSINFO 20019, " + unavailable},
        {"path of size 0: folder not tried", "1:", tools, 0, "open MSINFO 20019, " + unavailable},
        // A type that is not converted leaves the path empty: nothing empty is started or tested.
        {"path of another type", "2:%ProgramFiles%|", tools, 0,
         "open MSINFO 20019, " + unavailable},
        {"folder of another type", "", "3:\x01", 0, second + unavailable},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        FakePlatform platform;
        if (!row.path.empty())
            platform.keys[kSysInfoKey][kSysInfoValue] = ValueOf(row.path);
        if (!row.folder.empty())
            platform.keys[kSysInfoFolderKey][kSysInfoFolderValue] = ValueOf(row.folder);
        platform.claimedSize = row.claimedSize;
        platform.files = {"C:\\tool.exe", "C:\\Tools\\MSINFO32.EXE", x1024, "\\MSINFO32.EXE", ""};
        StartSysInfo(platform);
        EXPECT_EQ(Join(platform.log), row.log);
        EXPECT_EQ(platform.openKeys, 0); // every opened key closed, none twice
    }
}

TEST(AboutBox, DoubleSizePictureFromOneAndAHalfTimesTheStandardDpi)
{
    EXPECT_FALSE(DoubleSizePicture(143)); // 149 %: the small picture, hardly stretched
    EXPECT_TRUE(DoubleSizePicture(144));  // 150 %: the double one, shrunk, stays sharp
}

TEST(StandInRegistry, NamesTheFirstRunnableToolOnTheSearchPath)
{
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() / ("tavrel-standin-" + std::to_string(::getpid()));
    fs::remove_all(root);
    using fs::perms;
    for (const auto &[file, mode] : {std::pair("a/hardinfo", perms::owner_read), // cannot run
                                     {"b/hardinfo", perms::owner_all},
                                     {"b/lshw-gtk", perms::owner_all},
                                     {"c/kinfocenter", perms::owner_all}}) {
        fs::create_directories((root / file).parent_path());
        std::ofstream(root / file) << "#!/bin/sh\n";
        fs::permissions(root / file, mode);
    }
    fs::create_directories(root / "d" / "kinfocenter"); // a folder, not a program
    const std::string dir = root.string() + "/";
    const struct
    {
        const char *name;
        std::string searchPath, path; // what the "PATH" value reads; "" for a missing key
    } rows[] = {
        {"the first listed program wins over a later one", dir + "b:" + dir + "c",
         dir + "c/kinfocenter"},
        {"a file without the executable bit is skipped", dir + "a:" + dir + "b",
         dir + "b/hardinfo"},
        {"a folder of the program's name is skipped", dir + "d:" + dir + "b", dir + "b/hardinfo"},
        // An empty entry would mean the current folder, whatever lies there.
        {"empty entries are never the current folder", "::" + dir + "a:", ""},
    };
    const fs::path previous = fs::current_path();
    fs::current_path(root / "c"); // where an empty entry would find kinfocenter
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        StandInRegistry registry(row.searchPath);
        std::string path = "untouched";
        GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, path);
        EXPECT_EQ(path, row.path);
    }
    fs::current_path(previous);
    fs::remove_all(root);
}
