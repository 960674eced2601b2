// The About box's picture for a DPI, and the rows of tst_about.txt: the
// launcher behind "System Info..." and the stand-in registry; the wine test
// reads values through the Windows registry functions.
#include "../rows.h"
#include "about/frm_about.h"
#include "about/registry_standin.h"
#include "common/application.h"
#include "fake_platform.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

using namespace tavrel;
using namespace tavrel::testing;
namespace fs = std::filesystem;

TEST(About, PictureSysInfoAndStandIn)
{
    EXPECT_FALSE(DoubleSizePicture(143)); // 149 %: the small picture, hardly stretched
    EXPECT_TRUE(DoubleSizePicture(144));  // 150 %: the double one, shrunk, stays sharp

    const fs::path root =
        fs::temp_directory_path() / ("tavrel-standin-" + std::to_string(getpid()));
    fs::remove_all(root);
    for (const char *file :
         {"a/hardinfo", "b/hardinfo", "b/lshw-gtk", "c/kinfocenter", "d/kinfocenter/"}) {
        fs::create_directories((root / file).parent_path());
        if (!std::string(file).ends_with('/'))
            std::ofstream(root / file) << "#!/bin/sh\n";
        fs::permissions(root / file, file[0] == 'a' ? fs::perms::owner_read : fs::perms::owner_all);
    }
    const fs::path previous = fs::current_path();
    fs::current_path(root / "c"); // where an empty entry would find kinfocenter
    const auto expand = [&](std::string text) {
        for (const auto &[from, to] :
             {std::pair<std::string, std::string>("DIR/", root.string() + "/"),
              {"UNAVAILABLE", std::string(kApplicationTitle) + ": " + kSysInfoUnavailable}})
            for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                text.replace(at, from.size(), to);
        return Unescape(text);
    };
    for (const Row &row : ReadRows(TAVREL_TABLE, 6)) {
        SCOPED_TRACE(row[1]);
        if (row[0] == "standin") {
            StandInRegistry registry(expand(row[2]));
            std::string path = "untouched";
            GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, path);
            EXPECT_EQ(path, expand(row[3]));
            continue;
        }
        FakePlatform platform;
        for (const auto &[key, name, value] : {std::tuple(kSysInfoKey, kSysInfoValue, row[2]),
                                               {kSysInfoFolderKey, kSysInfoFolderValue, row[3]}})
            if (const std::string text = expand(value); !text.empty())
                platform.keys[key][name] = {std::uint32_t(std::stoul(text)),
                                            text.substr(text.find(':') + 1)};
        platform.claimedSize = std::stoul(row[4]);
        platform.files = {"C:\\tool.exe", "C:\\Tools\\MSINFO32.EXE", std::string(1024, 'x'),
                          "\\MSINFO32.EXE", ""};
        StartSysInfo(platform);
        EXPECT_EQ(Join(platform.log), expand(row[5]));
        EXPECT_EQ(platform.openKeys, 0); // every opened key closed, none twice
    }
    fs::current_path(previous);
    fs::remove_all(root);
}
