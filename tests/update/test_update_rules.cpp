#include "update/UpdateAddress.h"
#include "update/UpdateVersion.h"

#include <QTest>

class TestUpdateRules : public QObject {
    Q_OBJECT

private slots:
    void bootstrapReplyNamesOnlyAHost_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("address"); // empty: refused
        QTest::newRow("with SVR2IP=") << QByteArray("\r\nSVR2IP=192.0.2.7\r\n\r\n") << "192.0.2.7";
        QTest::newRow("bare address") << QByteArray("192.0.2.7") << "192.0.2.7";
        QTest::newRow("bare line feed")
            << QByteArray("SVR2IP=update-1.example.com\n") << "update-1.example.com";
        for (const char* bad : {"192.0.2.7:81", "host/path", "host?query", "host#part", "user@host",
                                "two hosts", "tab\there", "", "-host", "host..example"})
            QTest::newRow(bad) << QByteArray("SVR2IP=") + bad << QString();
    }
    void bootstrapReplyNamesOnlyAHost() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, address);
        QCOMPARE(UpdateAddress::ServerAddress(reply), address);
    }

    void versionFileGivesThreeFormattedParts_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("parts"); // empty: no version information
        const QStringList v = {"2008", "0004", "3000"};
        QTest::newRow("commas") << QByteArray("2008,4,3000") << v;
        QTest::newRow("quoted lines") << QByteArray("\"2008\"\r\n\"4\"\r\n\"3000\"\r\n") << v;
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF" "2008,4,3000") << v;
        QTest::newRow("more than three") << QByteArray("2008,4,3000,7") << v;
        QTest::newRow("text goes through") << QByteArray("2008,4,beta")
                                           << QStringList{"2008", "0004", "beta"};
        QTest::newRow("two values") << QByteArray("2008,4\r\n") << QStringList();
        QTest::newRow("empty value") << QByteArray("2008,,3000") << QStringList();
    }
    void versionFileGivesThreeFormattedParts() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, parts);
        QCOMPARE(UpdateVersion::ReadVersionFile(content).value_or(QStringList()), parts);
    }

    void onlyANewerVersionNeedsAnUpdate() {
        const QStringList current = UpdateVersion::Parts(QVersionNumber(2008, 4, 3000));
        QCOMPARE(current, (QStringList{"2008", "0004", "3000"}));
        QVERIFY(!UpdateVersion::IsUpdateNeeded(current, {"2008", "0004", "3000"}));
        QVERIFY(UpdateVersion::IsUpdateNeeded(current, {"2008", "0004", "3001"}));
        QVERIFY(UpdateVersion::IsUpdateNeeded(current, {"2008", "0005", "0000"}));
        QVERIFY(!UpdateVersion::IsUpdateNeeded(current, {"2008", "0003", "9999"}));
    }
};

QTEST_GUILESS_MAIN(TestUpdateRules)
#include "test_update_rules.moc"
