#include "link/CommandFrame.h"
#include "link/CommandTable.h"

#include <QDateTime>
#include <QTest>

class TestCommandFrame : public QObject {
    Q_OBJECT

private slots:
    void framesCarryCodeDateAndTime_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QDateTime>("at");
        QTest::addColumn<QVariantList>("args");
        QTest::addColumn<QByteArray>("frame");

        const QDateTime apr30(QDate(2008, 4, 30), QTime(10, 51, 2));
        QTest::newRow("read info")
            << 243 << apr30 << QVariantList{} << QByteArray::fromHex("F0F1F2F308041E0A3302");
        QTest::newRow("read data")
            << 246 << apr30 << QVariantList{} << QByteArray::fromHex("F0F1F2F608041E0A3302");
        QTest::newRow("power-off delay 30 replaces the year only")
            << 253 << apr30 << QVariantList{30.0} << QByteArray::fromHex("F0F1F2FD1E041E0A3302");
        QTest::newRow("three arguments replace year, month and day")
            << 247 << apr30 << QVariantList{1.0, 2.0, 3.0}
            << QByteArray::fromHex("F0F1F2F70102030A3302");
        QTest::newRow("year 2000 is 0, midnight is 0 0 0")
            << 243 << QDateTime(QDate(2000, 1, 1), QTime(0, 0, 0)) << QVariantList{}
            << QByteArray::fromHex("F0F1F2F3000101000000");
        QTest::newRow("last second of 2099")
            << 243 << QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59)) << QVariantList{}
            << QByteArray::fromHex("F0F1F2F3630C1F173B3B");
        QTest::newRow("an argument is rounded")
            << 253 << apr30 << QVariantList{4.6} << QByteArray::fromHex("F0F1F2FD05041E0A3302");
        QTest::newRow("too large an argument holds at 255, never wraps")
            << 253 << apr30 << QVariantList{300.0} << QByteArray::fromHex("F0F1F2FDFF041E0A3302");
        QTest::newRow("a negative argument holds at 0")
            << 253 << apr30 << QVariantList{-3.0} << QByteArray::fromHex("F0F1F2FD00041E0A3302");
    }

    void framesCarryCodeDateAndTime() {
        QFETCH(int, code);
        QFETCH(QDateTime, at);
        QFETCH(QVariantList, args);
        QFETCH(QByteArray, frame);
        FrameArgs given;
        for (int i = 0; i < args.size(); ++i)
            given[static_cast<std::size_t>(i)] = args[i].toDouble();
        QCOMPARE(BuildCommandFrame(code, at, given).toHex(' '), frame.toHex(' '));
    }

    void eachCodeWaitsForItsReplyLength_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("expected"); // -1: refused
        QTest::newRow("read info") << 243 << 18;
        QTest::newRow("set serial") << 244 << 4;
        QTest::newRow("format") << 245 << 4;
        QTest::newRow("read data") << 246 << 2002;
        QTest::newRow("set upload time") << 247 << 4;
        QTest::newRow("power off") << 248 << 4;
        QTest::newRow("clear chip") << 249 << 4;
        QTest::newRow("250 unknown") << 250 << -1;
        QTest::newRow("251 unknown") << 251 << -1;
        QTest::newRow("calibrate") << 252 << 4;
        QTest::newRow("power-off delay") << 253 << 4;
        QTest::newRow("254 unknown") << 254 << -1;
        QTest::newRow("wake up reads nothing") << 255 << 0;
        QTest::newRow("below the table") << 242 << -1;
        QTest::newRow("above a byte") << 256 << -1;
        QTest::newRow("zero") << 0 << -1;
    }

    void eachCodeWaitsForItsReplyLength() {
        QFETCH(int, code);
        QFETCH(int, expected);
        QCOMPARE(ExpectedReplyLength(code).value_or(-1), expected);
    }
};

QTEST_GUILESS_MAIN(TestCommandFrame)
#include "test_command_frame.moc"
