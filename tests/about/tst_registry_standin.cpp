// The registry stand-in of desktops without a registry: what it presents for
// the programs installed on the search path.
#include "about/launcher.h"
#include "about/registry_standin.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tavrel;

class TestRegistryStandIn : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstLocationNamesTheTool();
    void preferenceOrderBeatsSearchOrder();
    void onlyExecutableFilesCount();
    void noToolMeansBothLocationsMissing();
    void lookedUpAfreshAtEveryOpen();

private:
    QString Install(const QString &folder, const QString &name, bool executable = true);
    std::string Lookup(StandInRegistry &registry, bool *found = nullptr);

    std::unique_ptr<QTemporaryDir> m_root;
};

void TestRegistryStandIn::init() { m_root = std::make_unique<QTemporaryDir>(); }

QString TestRegistryStandIn::Install(const QString &folder, const QString &name, bool executable)
{
    QDir(m_root->path()).mkpath(folder);
    const QString path = m_root->filePath(folder + "/" + name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("#!/bin/sh\n");
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
    return path;
}

std::string TestRegistryStandIn::Lookup(StandInRegistry &registry, bool *found)
{
    std::string value = "before";
    const bool read = GetKeyValue(registry, kHkeyLocalMachine, kSysInfoKey, kSysInfoValue, value);
    if (found)
        *found = read;
    return value;
}

void TestRegistryStandIn::firstLocationNamesTheTool()
{
    const QString tool = Install("bin with blanks", "hardinfo");
    StandInRegistry registry(":" + m_root->filePath("empty").toStdString() +
                             "::" + m_root->filePath("bin with blanks").toStdString());
    bool found = false;
    QCOMPARE(QString::fromStdString(Lookup(registry, &found)), tool);
    QVERIFY(found);
}

void TestRegistryStandIn::preferenceOrderBeatsSearchOrder()
{
    Install("first", "hardinfo");
    const QString kinfocenter = Install("second", "kinfocenter");
    StandInRegistry registry(m_root->filePath("first").toStdString() + ":" +
                             m_root->filePath("second").toStdString());
    QCOMPARE(QString::fromStdString(Lookup(registry)), kinfocenter);
}

void TestRegistryStandIn::onlyExecutableFilesCount()
{
    Install("plain", "kinfocenter", false);
    QDir(m_root->path()).mkpath("folder/kinfocenter");
    const QString tool = Install("last", "lshw-gtk");
    StandInRegistry registry(m_root->filePath("plain").toStdString() + ":" +
                             m_root->filePath("folder").toStdString() + ":" +
                             m_root->filePath("last").toStdString());
    QCOMPARE(QString::fromStdString(Lookup(registry)), tool);
}

void TestRegistryStandIn::noToolMeansBothLocationsMissing()
{
    Install("bin", "something-else");
    StandInRegistry registry(m_root->filePath("bin").toStdString());
    bool found = true;
    QCOMPARE(Lookup(registry, &found), std::string());
    QVERIFY(!found);
    std::string folder;
    QVERIFY(
        !GetKeyValue(registry, kHkeyLocalMachine, kSysInfoFolderKey, kSysInfoFolderValue, folder));
}

void TestRegistryStandIn::lookedUpAfreshAtEveryOpen()
{
    StandInRegistry registry(m_root->filePath("bin").toStdString());
    bool found = true;
    Lookup(registry, &found);
    QVERIFY(!found);
    const QString tool = Install("bin", "xfce4-about"); // installed while the program runs
    QCOMPARE(QString::fromStdString(Lookup(registry, &found)), tool);
    QVERIFY(found);
}

QTEST_APPLESS_MAIN(TestRegistryStandIn)
#include "tst_registry_standin.moc"
