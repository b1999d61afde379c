#include "common/Module1.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

// Where the program keeps its files, run from its build tree and installed.
class TestModule1 : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;

    [[nodiscard]] QString at(const QString& relative) const {
        return QDir::toNativeSeparators(m_root.filePath(relative));
    }

private slots:
    void initTestCase() {
        // A user of its own, so the standard folders are known and empty.
        qputenv("HOME", m_root.filePath("home").toUtf8());
        qputenv("XDG_DATA_HOME", m_root.filePath("data").toUtf8());
        qputenv("XDG_CACHE_HOME", m_root.filePath("cache").toUtf8());
        qputenv("XDG_CONFIG_HOME", m_root.filePath("config").toUtf8());
    }

    void fromTheBuildTreeEverythingStaysBesideTheProgram() {
        QVERIFY(QDir().mkpath(m_root.filePath("build/app")));
        const Module1 state = Module1::ForFolder(m_root.filePath("build/app"));
        const QString folder = at("build/app/");
        QCOMPARE(state.AppFolder, folder);
        QVERIFY(!state.Installed);
        QCOMPARE(state.DatabasePath, folder + QStringLiteral("数据库.mdb"));
        QCOMPARE(state.DocumentsFolder, folder);
        QCOMPARE(state.CacheFolder, folder);
    }

    void installedNothingGoesBesideTheProgram() {
        QVERIFY(QDir().mkpath(m_root.filePath("usr/bin")));
        QVERIFY(QDir().mkpath(m_root.filePath("usr/share/thermbook")));
        const Module1 state = Module1::ForFolder(m_root.filePath("usr/bin"));
        QCOMPARE(state.AppFolder, at("usr/bin/"));
        QVERIFY(state.Installed);
        QCOMPARE(state.DataFolder, at("data/thermbook/"));
        QCOMPARE(state.DatabasePath, at("data/thermbook/数据库.mdb"));
        QCOMPARE(state.DocumentsFolder, at("home/Documents/thermbook/"));
        QCOMPARE(state.CacheFolder, at("cache/thermbook/"));
        // Working out the places makes nothing.
        QVERIFY(!QFileInfo::exists(m_root.filePath("data")));
    }
};

QTEST_GUILESS_MAIN(TestModule1)
#include "test_module1.moc"
