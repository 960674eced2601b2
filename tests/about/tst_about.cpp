// The launcher behind "System Info..." on an in-memory registry; the wine test reads
// values through the real registry functions and drives the About box's procedures.
#include "../rows.h"
#include "fake_platform.h"

using namespace tavrel;
using namespace tavrel::testing;

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void startSysInfo_data()
    {
        // The two locations as "<type>:<bytes>" with "|" for a NUL byte, or
        // none; keys are opened with KEY_READ (20019).
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<uint>("claimedSize"); // by a registry that lies; 0: none
        QTest::addColumn<QString>("log");
        const QString tools = "1:C:\\Tools|", second = "open MSINFO 20019, open Shared Tools "
                                                       "Location 20019, ";
        const QString unavailable = "System Information Is Unavailable At This Time";
        Row("path: its NUL cut, started as read, folder not looked up", "1:C:\\tool.exe|", tools,
            0u, "open MSINFO 20019, start C:\\tool.exe");
        Row("1024 bytes without a NUL: whole", "1:" + QString(1024, 'x'), tools, 0u,
            "open MSINFO 20019, start " + QString(1024, 'x'));
        Row("1025 bytes: missing, the folder instead", "1:" + QString(1025, 'x'), tools, 0u,
            second + "test C:\\Tools\\MSINFO32.EXE, start C:\\Tools\\MSINFO32.EXE");
        Row("size claimed past the buffer: not read", "1:C:\\tool.exe|", "", 5000u,
            second + unavailable);
        Row("neither location", "", "", 0u, second + unavailable);
        Row("folder without MSINFO32.EXE", "", "1:C:\\Empty|", 0u,
            second + "test C:\\Empty\\MSINFO32.EXE, " + unavailable);
        Row("path to a missing file: folder not tried", "1:C:\\Gone.exe|", tools, 0u,
            "open MSINFO 20019, " + unavailable);
        Row("path of size 0: folder not tried", "1:", tools, 0u,
            "open MSINFO 20019, " + unavailable);
        // A type that is not converted leaves the path empty: nothing empty is started or tested.
        Row("path of another type", "2:%ProgramFiles%|", tools, 0u,
            "open MSINFO 20019, " + unavailable);
        Row("folder of another type", "", "3:\x01", 0u, second + unavailable);
    }
    void startSysInfo()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(uint, claimedSize);
        QFETCH(QString, log);
        FakePlatform platform;
        for (const auto &[key, name, value] :
             {std::tuple(kSysInfoKey, kSysInfoValue, path),
              std::tuple(kSysInfoFolderKey, kSysInfoFolderValue, folder)})
            if (!value.isEmpty())
                platform.keys[key][name] = {
                    value.section(':', 0, 0).toUInt(),
                    value.section(':', 1).toLatin1().replace('|', '\0').toStdString()};
        platform.claimedSize = claimedSize;
        platform.files = {"C:\\tool.exe", "C:\\Tools\\MSINFO32.EXE", QString(1024, 'x'),
                          "\\MSINFO32.EXE", ""};
        StartSysInfo(platform);
        QCOMPARE(platform.log.join(", "), log);
        QCOMPARE(platform.openKeys, 0); // every opened key closed, none twice
    }
};

QTEST_APPLESS_MAIN(TestAbout)
#include "tst_about.moc"
