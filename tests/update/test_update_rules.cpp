#include "update/UpdateAddress.h"
#include "update/UpdateVersion.h"

#include <QTest>

class TestUpdateRules : public QObject {
    Q_OBJECT

private slots:
    void bootstrapReplyNamesTheUpdateFolder_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("with SVR2IP=") << QByteArray("\r\nSVR2IP=192.0.2.7\r\n\r\n");
        QTest::newRow("bare address") << QByteArray("192.0.2.7");
        QTest::newRow("bare line feed") << QByteArray("SVR2IP=192.0.2.7\n");
    }
    void bootstrapReplyNamesTheUpdateFolder() {
        QFETCH(QByteArray, reply);
        QCOMPARE(UpdateAddress::BaseUrl(UpdateAddress::ServerAddress(reply)),
                 QString("http://192.0.2.7:81/updateOnline/qk_vez2.1"));
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
