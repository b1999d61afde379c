// The plain rules behind the device commands: what the lists show, the upload's
// percentage and the power-off minutes.
#include "device/DeviceInfoRows.h"
#include "device/PowerOffMinutes.h"
#include "device/TransferPercent.h"
#include "device/UploadTexts.h"
#include "link/DeviceInfo.h"

#include <QTest>

class TestDeviceRules : public QObject {
    Q_OBJECT

private slots:
    void uploadPercentageOfA1999ByteBlock_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("percent"); // -1: the bar keeps its value
        QTest::newRow("nothing yet") << 0 << 0;
        QTest::newRow("1000 bytes") << 1000 << 50;
        QTest::newRow("rounded down") << 1998 << 99;
        QTest::newRow("1999 bytes") << 1999 << 100;
        QTest::newRow("whole block and tail") << 2003 << 100;
        QTest::newRow("2040 bytes would be 102") << 2040 << -1;
    }

    void uploadPercentageOfA1999ByteBlock() {
        QFETCH(int, bytes);
        QFETCH(int, percent);
        QCOMPARE(TransferPercent(bytes).value_or(-1), percent);
    }

    void minutesBoxAfterAKeyRelease_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0 becomes 1") << "0"
                                     << "1";
        QTest::newRow("1 stays") << "1"
                                 << "1";
        QTest::newRow("2 stays") << "2"
                                 << "2";
        QTest::newRow("240 stays") << "240"
                                   << "240";
        QTest::newRow("300 becomes 240") << "300"
                                         << "240";
        QTest::newRow("not a number becomes 1") << "abc"
                                                << "1";
        QTest::newRow("empty becomes 1") << ""
                                         << "1";
        QTest::newRow("a fraction stays as typed") << "12.5"
                                                   << "12.5";
    }

    void minutesBoxAfterAKeyRelease() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(PowerOffMinutesTyped(typed), shown);
    }

    void minutesSentAreAWholeNumberInRange_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("minutes");
        QTest::newRow("30") << "30" << 30;
        QTest::newRow("rounded") << "12.6" << 13;
        QTest::newRow("0 is held at 1") << "0" << 1;
        QTest::newRow("negative is held at 1") << "-5" << 1;
        QTest::newRow("pasted 300 is held at 240, not 44") << "300" << 240;
        QTest::newRow("256 is held at 240, not 0") << "256" << 240;
        QTest::newRow("huge") << "1e300" << 240;
        QTest::newRow("not a number") << "five" << 1;
        QTest::newRow("240.4") << "240.4" << 240;
    }

    void minutesSentAreAWholeNumberInRange() {
        QFETCH(QString, text);
        QFETCH(int, minutes);
        QCOMPARE(PowerOffMinutesToSend(text), minutes);
    }

    void readingsShowAsShortestNumbers_data() {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<QString>("shown");
        QTest::newRow("23.5") << "23.5"
                              << "23.5";
        QTest::newRow("-05.3") << "-05.3"
                               << "-5.3";
        QTest::newRow("05.12") << "05.12"
                               << "5.12";
        QTest::newRow("00.0") << "00.0"
                              << "0";
        QTest::newRow("-20.0 is E1") << "-20.0"
                                     << "E1";
        QTest::newRow("-20.7 is E1") << "-20.7"
                                     << "E1";
        QTest::newRow("-19.9") << "-19.9"
                               << "-19.9";
        QTest::newRow("130.9") << "130.9"
                               << "130.9";
        QTest::newRow("123.255") << "123.255"
                                 << "123.255";
        QTest::newRow("E1") << "E1"
                            << "E1";
    }

    void readingsShowAsShortestNumbers() {
        QFETCH(QString, reading);
        QFETCH(QString, shown);
        const QStringList texts = UploadTexts(QStringList{reading} + QStringList(998, "20.0"));
        QCOMPARE(texts.size(), 999);
        QCOMPARE(texts.first(), shown);
        QCOMPARE(texts.last(), QStringLiteral("20"));
    }

    void anIncompleteListShowsNoRows() {
        QVERIFY(UploadTexts({}).isEmpty());
        QVERIFY(UploadTexts(QStringList(998, "20.0")).isEmpty());
        QCOMPARE(UploadTexts(QStringList(999, "0")).size(), 999);
    }

    void informationRows() {
        DeviceInfo info;
        info.serial = QStringLiteral("0123456789AB");
        info.lastAddr = QStringLiteral("无数据");
        info.powerOffMin = QStringLiteral("0");
        const auto rows = DeviceInfoRows(info);
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows[0].first, QStringLiteral("记录仪名称："));
        QCOMPARE(rows[0].second, QStringLiteral("Tenvaro(R)便携记忆型电子测温记录仪"));
        QCOMPARE(rows[1],
                 qMakePair(QStringLiteral("设备序列号："), QStringLiteral("0123456789AB")));
        QCOMPARE(rows[3], qMakePair(QStringLiteral("最后储存地址："), QStringLiteral("无数据")));
        QCOMPARE(rows[5],
                 qMakePair(QStringLiteral("空闲自动关机时间(分钟)："), QStringLiteral("5")));
        QCOMPARE(rows[6].first, QStringLiteral("上次上传时间："));
        // Written back, so the power-off dialog starts from the same 5.
        QCOMPARE(info.powerOffMin, std::optional(QStringLiteral("5")));

        info.powerOffMin = QStringLiteral("30");
        QCOMPARE(DeviceInfoRows(info)[5].second, QStringLiteral("30"));
        // Nothing read yet shows the default too.
        DeviceInfo none;
        QCOMPARE(DeviceInfoRows(none)[5].second, QStringLiteral("5"));
    }
};

QTEST_GUILESS_MAIN(TestDeviceRules)
#include "test_device_rules.moc"
