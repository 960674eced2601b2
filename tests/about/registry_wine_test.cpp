// The launcher on the real registry functions and the real program start,
// run under wine against values that wine_registry.sh writes into a
// throwaway prefix. No Qt here: this is the Windows build of the core alone.
//
// Started under the names probe.exe or Program.exe, the same executable only
// records which copy ran, for the test of a path with blanks.
#include "about/launcher.h"
#include "about/windows_system.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

using namespace tavrel;

namespace {

const std::string kStartedMarker = "C:\\tavrel-started.txt";
const std::string kTestKey = "SOFTWARE\\Tavrel Test";
const std::string kProbe = "C:\\Program Files\\Tavrel Probe\\probe.exe";

int g_passed = 0;
int g_failed = 0;

void Check(bool ok, const std::string &what)
{
    (ok ? g_passed : g_failed) += 1;
    std::cout << (ok ? "PASS " : "FAIL ") << what << '\n';
}

struct Lookup
{
    bool found;
    std::string value;
};

Lookup Read(const std::string &key, const std::string &value, std::string initial = "untouched")
{
    WindowsRegistry registry;
    Lookup lookup{false, std::move(initial)};
    lookup.found = GetKeyValue(registry, kHkeyLocalMachine, key, value, lookup.value);
    return lookup;
}

class RecordingPlatform : public LauncherPlatform
{
public:
    Registry &registry() override { return m_registry; }
    bool FileExists(const std::string &path) override { return WindowsFileExists(path); }
    void StartProgram(const std::string &path) override { WindowsStartProgram(path); }
    void ShowMessage(const std::string &text) override { messages.push_back(text); }

    std::vector<std::string> messages;

private:
    WindowsRegistry m_registry;
};

std::string OwnPath()
{
    char buffer[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return buffer;
}

std::string WaitForMarker()
{
    for (int i = 0; i < 200; ++i) {
        std::ifstream marker(kStartedMarker);
        std::string line;
        if (marker && std::getline(marker, line) && !line.empty())
            return line;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

bool EndsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

int main()
{
    const std::string self = OwnPath();
    if (EndsWith(self, "probe.exe") || EndsWith(self, "Program.exe")) {
        std::ofstream(kStartedMarker) << self << '\n';
        return 0;
    }

    // Text values: the terminator goes, an unterminated text stays whole.
    Lookup path = Read(kSysInfoKey, kSysInfoValue);
    Check(path.found && path.value == kProbe, "terminated REG_SZ with blanks: " + path.value);
    Lookup unterminated = Read(kTestKey, "Unterminated");
    Check(unterminated.found && unterminated.value == "ABC",
          "unterminated REG_SZ: " + unterminated.value);
    // RegQueryValueExA keeps room for a terminator it adds to unterminated text,
    // so 1023 bytes are the most that arrive whole in the 1024-byte buffer.
    Lookup full = Read(kTestKey, "Bytes1023");
    Check(full.found && full.value == std::string(1023, 'x'), "1023 bytes unterminated stay whole");
    Lookup tooLong = Read(kTestKey, "Bytes1025");
    Check(!tooLong.found && tooLong.value.empty(), "1025 bytes count as missing");

    // Numbers and other types.
    Lookup dword = Read(kTestKey, "Dword");
    Check(dword.found && dword.value == "&h012345", "REG_DWORD 0x00012345: " + dword.value);
    Lookup expand = Read(kTestKey, "Expandable");
    Check(expand.found && expand.value == "untouched", "REG_EXPAND_SZ read, value left as it was");

    // Missing keys and values.
    Lookup noKey = Read("SOFTWARE\\Tavrel Missing", "Anything");
    Check(!noKey.found && noKey.value.empty(), "missing key");
    Lookup noValue = Read(kTestKey, "Missing");
    Check(!noValue.found && noValue.value.empty(), "missing value");

    // A value of size 0 is an error, raised after the key is closed.
    bool raised = false;
    try {
        Read(kTestKey, "Empty");
    } catch (const std::runtime_error &) {
        raised = true;
    }
    Check(raised, "value of size 0 raises an error");

    // The file test counts plain files only.
    Check(WindowsFileExists(kProbe), "plain file exists");
    Check(!WindowsFileExists("C:\\Program Files\\Tavrel Probe"), "a folder is no file");
    Check(!WindowsFileExists("C:\\Program Files\\Tavrel Probe\\hidden.exe"),
          "a hidden file is no file");
    Check(!WindowsFileExists("C:\\Program Files\\Tavrel Probe\\missing.exe"), "missing file");

    // The launcher end to end: lookup 1 names the probe under a path with
    // blanks; C:\Program.exe waits for a start split at the first blank.
    std::remove(kStartedMarker.c_str());
    RecordingPlatform platform;
    StartSysInfo(platform);
    const std::string started = WaitForMarker();
    Check(platform.messages.empty(), "no message when the tool starts");
    Check(started == kProbe, "exactly the registered file started: " + started);

    bool refused = false;
    try {
        WindowsStartProgram("C:\\Program Files\\Tavrel Probe\\missing.exe");
    } catch (const std::runtime_error &) {
        refused = true;
    }
    Check(refused, "a missing program raises an error");

    std::cout << g_passed << " passed, " << g_failed << " failed\n";
    return g_failed == 0 ? 0 : 1;
}
