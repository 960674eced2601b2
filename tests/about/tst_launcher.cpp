// GetKeyValue and StartSysInfo against an in-memory registry and a recording
// platform: every lookup, cut and failure of the launcher.
#include "about/launcher.h"
#include "fake_platform.h"

#include <QtTest>

using namespace tavrel;
using namespace tavrel::testing;

namespace {

const std::string kTestKey = "SOFTWARE\\Test";
const std::string kTool = "C:\\Program Files\\Sys Info\\msinfo32.exe";

std::string Terminated(const std::string &text) { return text + '\0'; }

} // namespace

class TestLauncher : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void missingKeyOrValue();
    void sizeZeroRaisesAfterClosing();
    void lyingSizeIsNotRead();
    void keyOpenedWithTheLauncherMask();

    void firstLocationWins();
    void folderOfTheSecondLocation();
    void failures_data();
    void failures();
    void twoClicksStartTwice();
};

void TestLauncher::getKeyValue_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");

    const auto bytes = [](const std::string &s) {
        return QByteArray(s.data(), qsizetype(s.size()));
    };
    QTest::newRow("terminated text loses its NUL")
        << uint(kRegSz) << bytes(Terminated(kTool)) << bytes(kTool);
    QTest::newRow("unterminated text stays whole")
        << uint(kRegSz) << QByteArray("ABC") << QByteArray("ABC");
    QTest::newRow("only one NUL is cut")
        << uint(kRegSz) << QByteArray("AB\0\0", 4) << QByteArray("AB\0", 3);
    QTest::newRow("1024 unterminated bytes stay whole")
        << uint(kRegSz) << QByteArray(1024, 'x') << QByteArray(1024, 'x');
    QTest::newRow("1024 bytes with a terminator")
        << uint(kRegSz) << QByteArray(1023, 'x') + '\0' << QByteArray(1023, 'x');
    // 0x00012345 is stored 45 23 01 00: the NUL high byte is cut, the rest read backwards.
    QTest::newRow("REG_DWORD 0x00012345")
        << uint(kRegDword) << QByteArray("\x45\x23\x01\x00", 4) << QByteArray("&h012345");
    QTest::newRow("REG_DWORD 0x12345678")
        << uint(kRegDword) << QByteArray("\x78\x56\x34\x12", 4) << QByteArray("&h12345678");
    QTest::newRow("REG_DWORD 0xA0B0C0D")
        << uint(kRegDword) << QByteArray("\x0d\x0c\x0b\x0a", 4) << QByteArray("&h0A0B0C0D");
    // Other types are read but not converted: the value stays as it was.
    QTest::newRow("REG_EXPAND_SZ")
        << 2u << QByteArray("%SystemRoot%\0", 13) << QByteArray("before");
    QTest::newRow("REG_BINARY") << 3u << QByteArray("\x01\x02", 2) << QByteArray("before");
    QTest::newRow("REG_MULTI_SZ") << 7u << QByteArray("a\0b\0\0", 5) << QByteArray("before");
}

void TestLauncher::getKeyValue()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);

    FakeRegistry registry;
    registry.keys[kTestKey]["Value"] = {type, bytes.toStdString()};
    std::string value = "before";
    QVERIFY(GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Value", value));
    QCOMPARE(QByteArray(value.data(), qsizetype(value.size())), expected);
    QCOMPARE(registry.openKeys, 0);
}

void TestLauncher::missingKeyOrValue()
{
    FakeRegistry registry;
    registry.keys[kTestKey]["Present"] = {kRegSz, "x"};
    registry.keys[kTestKey]["Long"] = {kRegSz, std::string(1025, 'x')};

    std::string value = "before";
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, "SOFTWARE\\Missing", "Present", value));
    QVERIFY(value.empty());
    value = "before";
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Missing", value));
    QVERIFY(value.empty());
    value = "before";
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Long", value)); // 1025 bytes
    QVERIFY(value.empty());
    QCOMPARE(registry.openKeys, 0); // every opened key closed, none closed twice
}

void TestLauncher::sizeZeroRaisesAfterClosing()
{
    FakeRegistry registry;
    registry.keys[kTestKey]["Empty"] = {kRegSz, ""};
    std::string value;
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Empty", value));
    QCOMPARE(registry.openKeys, 0);
}

void TestLauncher::lyingSizeIsNotRead()
{
    // A registry claiming more bytes than the buffer holds must not make us read past it.
    FakeRegistry registry;
    registry.keys[kTestKey]["Value"] = {kRegSz, "abc"};
    registry.reportSize = 5000;
    std::string value = "before";
    QVERIFY(!GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Value", value));
    QVERIFY(value.empty());
}

void TestLauncher::keyOpenedWithTheLauncherMask()
{
    FakeRegistry registry;
    std::string value;
    GetKeyValue(registry, kHkeyLocalMachine, kTestKey, "Value", value);
    QCOMPARE(registry.accesses.size(), size_t(1));
    QCOMPARE(registry.accesses.front(), 0x0002003Fu);
}

void TestLauncher::firstLocationWins()
{
    FakePlatform platform;
    platform.fakeRegistry.keys[kSysInfoKey][kSysInfoValue] = {kRegSz, Terminated(kTool)};
    platform.fakeRegistry.keys[kSysInfoFolderKey][kSysInfoFolderValue] = {kRegSz, "C:\\Other\0"};
    platform.files = {kTool, "C:\\Other\\MSINFO32.EXE"};

    StartSysInfo(platform);
    QCOMPARE(platform.started, std::vector<std::string>{kTool});
    QVERIFY(platform.messages.empty());
    // Started as read, with no existence test, and the second key never opened.
    QVERIFY(platform.tested.empty());
    QCOMPARE(platform.fakeRegistry.opened, std::vector<std::string>{kSysInfoKey});
}

void TestLauncher::folderOfTheSecondLocation()
{
    FakePlatform platform;
    platform.fakeRegistry.keys[kSysInfoFolderKey][kSysInfoFolderValue] = {kRegSz, "C:\\Tools\0"};
    platform.files = {"C:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(platform);
    QCOMPARE(platform.tested, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    QCOMPARE(platform.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    QVERIFY(platform.messages.empty());
}

void TestLauncher::failures_data()
{
    QTest::addColumn<int>("firstType"); // 0: no first location
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<int>("secondType"); // 0: no second location
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("secondOpened");
    QTest::addColumn<QStringList>("tested");

    const QByteArray tool = QByteArray::fromStdString(Terminated(kTool));
    QTest::newRow("neither location")
        << 0 << QByteArray() << 0 << QByteArray() << true << QStringList();
    QTest::newRow("folder without MSINFO32.EXE")
        << 0 << QByteArray() << int(kRegSz) << QByteArray("C:\\Empty\0", 9) << true
        << QStringList{"C:\\Empty\\MSINFO32.EXE"};
    QTest::newRow("first names a missing file, second not tried")
        << int(kRegSz) << QByteArray("C:\\Gone\\tool.exe\0", 17) << int(kRegSz)
        << QByteArray("C:\\Tools\0", 9) << false << QStringList();
    QTest::newRow("first of size 0, second not tried")
        << int(kRegSz) << QByteArray() << int(kRegSz) << QByteArray("C:\\Tools\0", 9) << false
        << QStringList();
    // A type that is not converted leaves the path empty: nothing empty is started or tested.
    QTest::newRow("first of another type, second not tried")
        << 2 << QByteArray("%ProgramFiles%\0", 15) << int(kRegSz) << QByteArray("C:\\Tools\0", 9)
        << false << QStringList();
    QTest::newRow("second of another type: no test of \\MSINFO32.EXE")
        << 0 << QByteArray() << 3 << QByteArray("\x01", 1) << true << QStringList();
    QTest::newRow("second of size 0")
        << 0 << QByteArray() << int(kRegSz) << QByteArray() << true << QStringList();
    QTest::newRow("second too long")
        << 0 << QByteArray() << int(kRegSz) << QByteArray(1025, 'x') << true << QStringList();
}

void TestLauncher::failures()
{
    QFETCH(int, firstType);
    QFETCH(QByteArray, first);
    QFETCH(int, secondType);
    QFETCH(QByteArray, second);
    QFETCH(bool, secondOpened);
    QFETCH(QStringList, tested);

    FakePlatform platform;
    if (firstType)
        platform.fakeRegistry.keys[kSysInfoKey][kSysInfoValue] = {uint(firstType),
                                                                  first.toStdString()};
    if (secondType)
        platform.fakeRegistry.keys[kSysInfoFolderKey][kSysInfoFolderValue] = {uint(secondType),
                                                                              second.toStdString()};
    platform.files = {"C:\\Tools\\MSINFO32.EXE", "\\MSINFO32.EXE", ""};

    StartSysInfo(platform);
    QCOMPARE(platform.messages,
             std::vector<std::string>{"System Information Is Unavailable At This Time"});
    QVERIFY(platform.started.empty());
    QStringList testedPaths;
    for (const std::string &path : platform.tested)
        testedPaths << QString::fromStdString(path);
    QCOMPARE(testedPaths, tested);
    const auto &opened = platform.fakeRegistry.opened;
    QCOMPARE(std::count(opened.begin(), opened.end(), kSysInfoFolderKey), secondOpened ? 1 : 0);
    QCOMPARE(platform.fakeRegistry.openKeys, 0);
}

void TestLauncher::twoClicksStartTwice()
{
    FakePlatform platform;
    platform.fakeRegistry.keys[kSysInfoKey][kSysInfoValue] = {kRegSz, Terminated(kTool)};
    platform.files = {kTool};
    StartSysInfo(platform);
    StartSysInfo(platform);
    QCOMPARE(platform.started, (std::vector<std::string>{kTool, kTool}));
    QCOMPARE(platform.fakeRegistry.opened.size(), size_t(2)); // looked up afresh each time
}

QTEST_APPLESS_MAIN(TestLauncher)
#include "tst_launcher.moc"
