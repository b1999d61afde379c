#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Runs the launcher from a folder of its own, with a stand-in for the desktop's opener that
// records its working directory and what it was asked to open.
class TestRunat : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_launcherFolder;
    QString m_record;

    static void writeFile(const QString& path, const QByteArray& content) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString runLauncher(const QStringList& arguments) {
        QProcess launcher;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", m_root.filePath("bin") + ":" + env.value("PATH"));
        env.insert("RUNAT_PRINT_MESSAGES", "1");
        launcher.setProcessEnvironment(env);
        launcher.setWorkingDirectory(m_root.filePath("elsewhere"));
        launcher.start(m_launcherFolder + "/runat", arguments);
        const bool finished = launcher.waitForFinished(60000);
        if (!finished || launcher.exitCode() != 0)
            return QStringLiteral("launcher failed");
        return QString::fromUtf8(launcher.readAllStandardOutput());
    }

    QStringList recorded() const {
        QFile file(m_record);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        const QDir root(m_root.path());
        QVERIFY(root.mkpath("launcher") && root.mkpath("bin") && root.mkpath("elsewhere"));
        m_launcherFolder = QDir(root.filePath("launcher")).canonicalPath();
        QVERIFY(QFile::copy(RUNAT, m_launcherFolder + "/runat"));
        writeFile(m_launcherFolder + "/notes.txt", "n");
        writeFile(m_launcherFolder + "/my notes.txt", "n");
        writeFile(m_launcherFolder + "/sentinel.txt", "s");
        m_record = root.filePath("opened.txt");
        const QString opener = root.filePath("bin/xdg-open");
        writeFile(opener, "#!/bin/sh\nprintf '%s|%s\\n' \"$PWD\" \"$1\" >> '" + m_record.toUtf8() +
                              "'\n");
        QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner));
    }

    void opensTheWholeCommandLineFromItsOwnFolder_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("opened"); // "@" stands for the launcher's folder
        QTest::addColumn<QString>("message");
        QTest::newRow("bare file name") << QStringList{"notes.txt"} << "@|@/notes.txt" << "";
        QTest::newRow("arguments joined with blanks")
            << QStringList{"my", "notes.txt"} << "@|@/my notes.txt" << "";
        QTest::newRow("program with arguments") << QStringList{"notes.txt", "-x"} << "" << "";
        QTest::newRow("web address") << QStringList{"https://example.invalid/a"}
                                     << "@|https://example.invalid/a" << "";
        QTest::newRow("empty command line") << QStringList() << "" << "提示!\t请输入参数!\n";
    }
    void opensTheWholeCommandLineFromItsOwnFolder() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, opened);
        QFETCH(QString, message);
        QFile::remove(m_record);
        QCOMPARE(runLauncher(arguments), message);
        // The opener runs on its own. A launch that opens nothing is seen only against a
        // later launch whose target does show up.
        QCOMPARE(runLauncher({"sentinel.txt"}), QString());
        QStringList expected{m_launcherFolder + "|" + m_launcherFolder + "/sentinel.txt"};
        if (!opened.isEmpty())
            expected << QString(opened).replace("@", m_launcherFolder);
        expected.sort();
        const auto sortedRecord = [this] {
            QStringList lines = recorded();
            lines.sort();
            return lines;
        };
        QTRY_COMPARE_WITH_TIMEOUT(sortedRecord(), expected, 30000);
    }
};

QTEST_GUILESS_MAIN(TestRunat)
#include "test_runat.moc"
