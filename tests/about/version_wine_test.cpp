// The executable's Windows resources, read back by the system's own version
// and resource functions under wine: the version strings, the translation
// entry and the two images of the application icon.
#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const std::string &what)
{
    (ok ? g_passed : g_failed) += 1;
    std::cout << (ok ? "PASS " : "FAIL ") << what << '\n';
}

std::string Query(const std::vector<char> &info, const std::string &path)
{
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), path.c_str(), &value, &length) || length == 0)
        return "<missing>";
    return std::string(static_cast<const char *>(value));
}

#pragma pack(push, 2)
struct GroupIconEntry
{
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
struct GroupIconDir
{
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

} // namespace

int main()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::vector<char> info(GetFileVersionInfoSizeA(self, nullptr));
    Check(!info.empty() && GetFileVersionInfoA(self, 0, DWORD(info.size()), info.data()),
          "version resource present");

    const std::string block = "\\StringFileInfo\\040904B0\\";
    const std::pair<const char *, const char *> strings[] = {{"ProductName", "Tavrel V1.0"},
                                                             {"InternalName", "Tavrel"},
                                                             {"OriginalFilename", "Tavrel.exe"},
                                                             {"FileVersion", "1.00"},
                                                             {"ProductVersion", "1.00"}};
    for (const auto &[name, expected] : strings) {
        const std::string value = Query(info, block + name);
        Check(value == expected, std::string(name) + ": " + value);
    }

    void *translation = nullptr;
    UINT length = 0;
    const bool hasTranslation =
        VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &translation, &length) &&
        length >= 4;
    const auto *pair = static_cast<const WORD *>(translation);
    Check(hasTranslation && pair[0] == 0x0409 && pair[1] == 0x04B0, "translation 0409, 04B0");

    VS_FIXEDFILEINFO *fixed = nullptr;
    Check(VerQueryValueA(info.data(), "\\", reinterpret_cast<void **>(&fixed), &length) &&
              fixed->dwFileVersionMS == 0x00010000 && fixed->dwProductVersionMS == 0x00010000,
          "binary file and product version 1.0");

    HRSRC group =
        FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    const auto *dir =
        group ? static_cast<const GroupIconDir *>(LockResource(LoadResource(nullptr, group)))
              : nullptr;
    Check(dir && dir->count == 2, "icon with two images");
    if (dir && dir->count == 2) {
        Check(dir->entries[0].width == 32 && dir->entries[0].bitCount == 4 &&
                  dir->entries[0].colourCount == 16,
              "32 x 32, 16 colours");
        Check(dir->entries[1].width == 32 && dir->entries[1].bitCount == 8, "32 x 32, 256 colours");
    }

    std::cout << g_passed << " passed, " << g_failed << " failed\n";
    return g_failed == 0 ? 0 : 1;
}
