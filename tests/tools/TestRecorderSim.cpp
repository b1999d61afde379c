// The recorder simulator seen from the wire: every expected byte is spelled out here
// rather than taken from the simulator's sources, so a change to the wire format shows.

#include "tests/tools/PtyClient.h"
#include "tests/tools/SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Frames as the program builds them on 2008-04-30 10:51:02.
const char* const kReadInfo = "F0F1F2F308041E0A3302";
const char* const kReadData = "F0F1F2F608041E0A3302";

int byteAt(const QByteArray& bytes, int offset) {
    return static_cast<quint8>(bytes.at(offset));
}

// The lengths of the information reply and of the data block.
constexpr int InfoBytes = 20;
constexpr int BlockBytes = 2003;

// A reply of `replyBytes`, waited for as long as a busy machine needs, followed by whatever
// comes straight after it, so that a reply too long shows as such.
QByteArray replyOf(PtyClient& client, int replyBytes) {
    const QByteArray reply = client.read(replyBytes, 20000);
    return reply + client.readUntilQuiet(200, 200);
}

// Starts a simulator, sends one write and reads the reply.
QByteArray exchange(const QStringList& arguments, const QByteArray& bytes, int replyBytes) {
    SimProcess sim(arguments);
    if (sim.path().isEmpty()) {
        return "simulator did not start";
    }
    PtyClient client(sim.path());
    if (!client.isOpen() || !client.write(bytes)) {
        return "terminal did not open";
    }
    return replyOf(client, replyBytes);
}

bool writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

class TestRecorderSim : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void infoReplyCarriesTheRecorderState();
    void replyLengthsFollowTheCommandAndTheFaultOptions_data();
    void replyLengthsFollowTheCommandAndTheFaultOptions();
    void dataBlockCarriesEachReadingAtItsOffsets_data();
    void dataBlockCarriesEachReadingAtItsOffsets();
    void outOfRangeOptionPlacesTheRangeEdges();
    void generatedCurvesRiseToAPeakAndFallSlowly();
    void generatedCurvesDependOnlyOnSeedAndAge();
    void nextRoundSignalMovesTheCurvesSixHoursOn();

    void settingCommandsChangeTheInfoReply_data();
    void settingCommandsChangeTheInfoReply();
    void clearedRecorderSendsNoReadings();
    void stateSurvivesARestart();

    void framesAreFoundAfterGarbage_data();
    void framesAreFoundAfterGarbage();
    void frameSplitAcrossWritesIsAnsweredOnce();
    void newCommandDropsTheRestOfADrippingReply();
    void drippedAndPacedRepliesAreTheSameBytes_data();
    void drippedAndPacedRepliesAreTheSameBytes();

    void keepsAnsweringAcrossManyOpenCloseCycles();
    void serialPortAt14400Baud8N1GetsAnAnswer();
    void logsEveryCommandOnOneLine();
    void stopsCleanlyOnSignal_data();
    void stopsCleanlyOnSignal();

    void refusesBadOptions_data();
    void refusesBadOptions();
    void refusesReadingsThatCannotTravel_data();
    void refusesReadingsThatCannotTravel();

private:
    [[nodiscard]] const QByteArray& csvBlock();

    QTemporaryDir m_dir;
    QString m_csv;
    QByteArray m_csvBlock;
};

void TestRecorderSim::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_csv = m_dir.filePath(QStringLiteral("readings.csv"));
    QVERIFY(writeFile(m_csv, "number,temperature\n"
                             "# a comment and a blank line\n"
                             "\n"
                             "1,23.5\n"
                             "2,-5.3\n"
                             "3,23.12\n"
                             "4,-20\n"
                             "5,130.9\n"
                             "7,\n"
                             "300,0.0\n"
                             "301,23.50\n"));
}

const QByteArray& TestRecorderSim::csvBlock() {
    if (m_csvBlock.isEmpty()) {
        m_csvBlock = exchange({"--readings", m_csv}, hex(kReadData), BlockBytes);
    }
    return m_csvBlock;
}

void TestRecorderSim::infoReplyCarriesTheRecorderState() {
    const QByteArray reply = exchange({"--serial", "0A1B2C3D4E5F", "--poweroff", "30",
                                       "--error-correction", "-3", "--readings", m_csv},
                                      hex(kReadInfo), InfoBytes);
    // marker, serial, format state (has data), upload time (never), sign (-), magnitude 3,
    // last address 301 = 01 2D, 30 minutes
    QCOMPARE(reply.toHex().toUpper(), QByteArray("EFEEED0A1B2C3D4E5F01000000000000030"
                                                 "12D1E"));
}

void TestRecorderSim::replyLengthsFollowTheCommandAndTheFaultOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("markerAt"); // -1: no marker expected

    const QStringList none;
    QTest::newRow("info") << none << hex(kReadInfo) << 20 << 0;
    QTest::newRow("data block and its trailing byte") << none << hex(kReadData) << 2003 << 0;
    QTest::newRow("exact data block") << QStringList{"--exact"} << hex(kReadData) << 2002 << 0;
    QTest::newRow("exact leaves info alone") << QStringList{"--exact"} << hex(kReadInfo) << 20 << 0;
    const std::pair<const char*, const char*> statusCodes[] = {
        {"244", "F0F1F2F408041E0A3302"}, {"245", "F0F1F2F508041E0A3302"},
        {"247", "F0F1F2F708041E0A3302"}, {"248", "F0F1F2F808041E0A3302"},
        {"249", "F0F1F2F908041E0A3302"}, {"252", "F0F1F2FC08041E0A3302"},
        {"253", "F0F1F2FD1E041E0A3302"}};
    for (const auto& [code, frame] : statusCodes) {
        QTest::addRow("status reply to %s", code) << none << hex(frame) << 4 << 0;
    }
    QTest::newRow("wake-up gets nothing") << none << hex("F0F1F2FF08041E0A3302") << 0 << -1;
    QTest::newRow("250 gets nothing") << none << hex("F0F1F2FA08041E0A3302") << 0 << -1;
    QTest::newRow("251 gets nothing") << none << hex("F0F1F2FB08041E0A3302") << 0 << -1;
    QTest::newRow("254 gets nothing") << none << hex("F0F1F2FE08041E0A3302") << 0 << -1;
    QTest::newRow("code 16 gets nothing") << none << hex("F0F1F21008041E0A3302") << 0 << -1;
    QTest::newRow("silent info") << QStringList{"--silent"} << hex(kReadInfo) << 0 << -1;
    QTest::newRow("silent data") << QStringList{"--silent"} << hex(kReadData) << 0 << -1;
    QTest::newRow("cut data") << QStringList{"--cut", "100"} << hex(kReadData) << 100 << 0;
    QTest::newRow("cut info") << QStringList{"--cut", "5"} << hex(kReadInfo) << 5 << 0;
    QTest::newRow("cut into the marker") << QStringList{"--cut", "2"} << hex(kReadInfo) << 2 << -1;
    QTest::newRow("cut beyond the reply")
        << QStringList{"--cut", "50"} << hex(kReadInfo) << 20 << 0;
    QTest::newRow("noise before info") << QStringList{"--noise", "7"} << hex(kReadInfo) << 27 << 7;
    QTest::newRow("noise before data")
        << QStringList{"--noise", "300"} << hex(kReadData) << 2303 << 300;
    QTest::newRow("noise, then the cut reply")
        << QStringList{"--noise", "3", "--cut", "4"} << hex(kReadInfo) << 7 << 3;
    QTest::newRow("silent wins over noise")
        << QStringList{"--silent", "--noise", "5"} << hex(kReadInfo) << 0 << -1;
}

void TestRecorderSim::replyLengthsFollowTheCommandAndTheFaultOptions() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, frame);
    QFETCH(int, length);
    QFETCH(int, markerAt);

    const QByteArray reply = exchange(arguments, frame, length);
    QCOMPARE(reply.size(), length);
    QCOMPARE(reply.indexOf(hex("EFEEED")), markerAt);
    for (int i = 0; i < qMax(markerAt, 0); ++i) {
        QVERIFY2(byteAt(reply, i) < 0xED || byteAt(reply, i) > 0xEF, "noise holds a marker byte");
    }
}

void TestRecorderSim::dataBlockCarriesEachReadingAtItsOffsets_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("integerByte");
    QTest::addColumn<int>("fractionByte");

    QTest::newRow("23.5") << 1 << 123 << 5;
    QTest::newRow("-5.3: sign on the integer byte") << 2 << 95 << 3;
    QTest::newRow("23.12: two fraction digits") << 3 << 123 << 12;
    QTest::newRow("-20 lower edge") << 4 << 80 << 0;
    QTest::newRow("130.9 upper edge") << 5 << 230 << 9;
    QTest::newRow("unlisted number: no reading") << 6 << 255 << 255;
    QTest::newRow("empty temperature: no reading") << 7 << 255 << 255;
    QTest::newRow("0.0") << 300 << 100 << 0;
    QTest::newRow("23.50 keeps its digits") << 301 << 123 << 50;
    QTest::newRow("after the last listed number") << 302 << 255 << 255;
    QTest::newRow("last number") << 999 << 255 << 255;
}

void TestRecorderSim::dataBlockCarriesEachReadingAtItsOffsets() {
    QFETCH(int, number);
    QFETCH(int, integerByte);
    QFETCH(int, fractionByte);

    const QByteArray& block = csvBlock();
    QCOMPARE(block.size(), 2003);
    QCOMPARE(block.left(3), hex("EFEEED"));
    QCOMPARE(byteAt(block, 2 + number), integerByte);
    QCOMPARE(byteAt(block, 1002 + number), fractionByte);
}

void TestRecorderSim::outOfRangeOptionPlacesTheRangeEdges() {
    const QByteArray block = exchange({"--out-of-range"}, hex(kReadData), BlockBytes);
    QCOMPARE(block.size(), 2003);
    // -21.0 and 131.0 just outside, -20.0 and 130.9 on the edges
    QCOMPARE(block.mid(3, 4).toHex().toUpper(), QByteArray("4FE750E6"));
    QCOMPARE(block.mid(1003, 4).toHex().toUpper(), QByteArray("00000009"));
    QVERIFY(byteAt(block, 7) >= 110 && byteAt(block, 7) <= 175); // reading 5 still a curve
}

void TestRecorderSim::generatedCurvesRiseToAPeakAndFallSlowly() {
    auto meanAt = [](const QString& age) {
        const QByteArray block =
            exchange({"--seed", "7", "--age", age}, hex(kReadData), BlockBytes);
        if (block.size() != 2003) {
            return -1000.0;
        }
        double sum = 0;
        for (int n = 1; n <= 999; ++n) {
            const int degrees = byteAt(block, 2 + n) - 100;
            const int fraction = byteAt(block, 1002 + n);
            if (degrees < 10 || degrees > 75 || fraction > 9) {
                qWarning("reading %d at age %s: %d.%d", n, qPrintable(age), degrees, fraction);
                return -1000.0;
            }
            sum += degrees + fraction / 10.0;
        }
        return sum / 999;
    };
    const double fresh = meanAt("0");
    const double curing = meanAt("50");
    const double week = meanAt("168");
    const double month = meanAt("720");
    QVERIFY2(fresh > 17 && fresh < 23, qPrintable(QString::number(fresh)));
    QVERIFY2(curing > 45 && curing < 70, qPrintable(QString::number(curing)));
    QVERIFY2(week < curing && week > fresh, qPrintable(QString::number(week)));
    QVERIFY2(month < week, qPrintable(QString::number(month)));
}

void TestRecorderSim::generatedCurvesDependOnlyOnSeedAndAge() {
    const QByteArray a = exchange({"--seed", "3", "--age", "40"}, hex(kReadData), BlockBytes);
    const QByteArray b = exchange({"--seed", "3", "--age", "40"}, hex(kReadData), BlockBytes);
    const QByteArray otherSeed =
        exchange({"--seed", "4", "--age", "40"}, hex(kReadData), BlockBytes);
    QCOMPARE(a.size(), 2003);
    QCOMPARE(a, b);
    QVERIFY(a != otherSeed);
    // sensors differ from one another
    QVERIFY(a.mid(3, 999).count(a.at(3)) < 100);
}

void TestRecorderSim::nextRoundSignalMovesTheCurvesSixHoursOn() {
    const QByteArray later = exchange({"--seed", "3", "--age", "52"}, hex(kReadData), BlockBytes);
    QCOMPARE(later.size(), 2003);
    SimProcess sim({"--seed", "3", "--age", "40"});
    PtyClient client(sim.path());
    QVERIFY(client.write(hex(kReadData)));
    const QByteArray before = replyOf(client, BlockBytes);
    QCOMPARE(before.size(), 2003);
    QVERIFY(sim.signalAndWaitFor(SIGUSR1, QStringLiteral("curves now at age 46 hours")));
    QVERIFY(sim.signalAndWaitFor(SIGUSR1, QStringLiteral("curves now at age 52 hours")));
    QVERIFY(client.write(hex(kReadData)));
    QCOMPARE(replyOf(client, BlockBytes), later);

    // Readings from a file are what the file says, round after round.
    SimProcess fromFile({"--readings", m_csv});
    QVERIFY(fromFile.signalAndWaitFor(SIGUSR1, QStringLiteral("SIGUSR1 changes nothing")));
    PtyClient again(fromFile.path());
    QVERIFY(again.write(hex(kReadData)));
    QCOMPARE(replyOf(again, BlockBytes), csvBlock());
}

void TestRecorderSim::settingCommandsChangeTheInfoReply_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("info");

    // Starting state: serial 0A1B2C3D4E5F, readings up to number 999, never uploaded,
    // correction -3, 30 minutes.
    QTest::newRow("247 records the frame's date and time as upload time")
        << hex("F0F1F2F708041E0A3302") << hex("EFEEED00")
        << hex("EFEEED0A1B2C3D4E5F0108041E0A33000303E71E");
    QTest::newRow("253 takes the minutes from byte 4")
        << hex("F0F1F2FD05041E0A3302") << hex("EFEEED00")
        << hex("EFEEED0A1B2C3D4E5F010000000000000303E705");
    QTest::newRow("253 takes 240 minutes") << hex("F0F1F2FDF0041E0A3302") << hex("EFEEED00")
                                           << hex("EFEEED0A1B2C3D4E5F010000000000000303E7F0");
    QTest::newRow("253 refuses 0 minutes") << hex("F0F1F2FD00041E0A3302") << hex("EFEEED01")
                                           << hex("EFEEED0A1B2C3D4E5F010000000000000303E71E");
    QTest::newRow("253 refuses 241 minutes") << hex("F0F1F2FDF1041E0A3302") << hex("EFEEED01")
                                             << hex("EFEEED0A1B2C3D4E5F010000000000000303E71E");
    QTest::newRow("245 clears the readings") << hex("F0F1F2F508041E0A3302") << hex("EFEEED00")
                                             << hex("EFEEED0A1B2C3D4E5F00000000000000030000"
                                                    "1E");
    QTest::newRow("244 makes the serial from the date and time")
        << hex("F0F1F2F408041E0A3302") << hex("EFEEED00")
        << hex("EFEEED08041E0A3302010000000000000303E71E");
    QTest::newRow("252 calibrates to +0") << hex("F0F1F2FC08041E0A3302") << hex("EFEEED00")
                                          << hex("EFEEED0A1B2C3D4E5F01000000000001000"
                                                 "3E71E");
    QTest::newRow("249 erases the whole chip but not the power-off time")
        << hex("F0F1F2F908041E0A3302") << hex("EFEEED00")
        << hex("EFEEED00000000000000000000000000000000"
               "1E");
    QTest::newRow("248 changes nothing") << hex("F0F1F2F808041E0A3302") << hex("EFEEED00")
                                         << hex("EFEEED0A1B2C3D4E5F010000000000000303E71E");
}

void TestRecorderSim::settingCommandsChangeTheInfoReply() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, info);

    SimProcess sim({"--serial", "0A1B2C3D4E5F", "--poweroff", "30", "--error-correction", "-3"});
    QVERIFY(!sim.path().isEmpty());
    PtyClient client(sim.path());
    QVERIFY(client.write(command));
    QCOMPARE(client.read(4, 2000).toHex().toUpper(), status.toHex().toUpper());
    QVERIFY(client.write(hex(kReadInfo)));
    QCOMPARE(client.read(20, 2000).toHex().toUpper(), info.toHex().toUpper());
    QVERIFY(client.readUntilQuiet(100, 500).isEmpty());
}

void TestRecorderSim::clearedRecorderSendsNoReadings() {
    for (const char* clear : {"F0F1F2F508041E0A3302", "F0F1F2F908041E0A3302"}) {
        SimProcess sim({"--readings", m_csv});
        PtyClient client(sim.path());
        QVERIFY(client.write(hex(clear)));
        QCOMPARE(client.read(4, 2000), hex("EFEEED00"));
        QVERIFY(client.write(hex(kReadData)));
        const QByteArray block = client.read(2003, 3000);
        QCOMPARE(block.size(), 2003);
        QCOMPARE(block.mid(3, 999), QByteArray(999, '\xFF'));
        QCOMPARE(block.mid(1003, 999), QByteArray(999, '\xFF'));
    }
}

void TestRecorderSim::stateSurvivesARestart() {
    const QString stateFile = m_dir.filePath(QStringLiteral("state.txt"));
    QFile::remove(stateFile);
    {
        SimProcess sim({"--state", stateFile, "--serial", "0A1B2C3D4E5F"});
        QVERIFY(QFile::exists(stateFile)); // written at start
        PtyClient client(sim.path());
        for (const char* frame :
             {"F0F1F2F708041E0A3302", "F0F1F2FD2D041E0A3302", "F0F1F2F508041E0A3302"}) {
            QVERIFY(client.write(hex(frame)));
            QCOMPARE(client.read(4, 2000), hex("EFEEED00"));
        }
        QVERIFY(sim.stop(SIGTERM));
    }
    QFile file(stateFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY2(text.contains("serial=0A1B2C3D4E5F\n"), text.constData());
    QVERIFY2(text.contains("upload-time=8 4 30 10 51\n"), text.constData());
    QVERIFY2(text.contains("power-off-minutes=45\n"), text.constData());
    QVERIFY2(text.contains("readings-cleared=yes\n"), text.constData());
    file.close();

    QCOMPARE(exchange({"--state", stateFile}, hex(kReadInfo), InfoBytes).toHex().toUpper(),
             QByteArray("EFEEED0A1B2C3D4E5F0008041E0A330100"
                        "00002D"));
    // An option given at start wins over the saved value and is saved in turn.
    QCOMPARE(
        exchange({"--state", stateFile, "--poweroff", "9"}, hex(kReadInfo), InfoBytes).right(1),
        hex("09"));
    QCOMPARE(exchange({"--state", stateFile}, hex(kReadInfo), InfoBytes).right(1), hex("09"));

    QVERIFY(writeFile(stateFile, "serial=0A1B2C3D4E5F\nupload-time=8 4 30\n"));
    const SimProcess::Finished broken = SimProcess::runToEnd({"--state", stateFile});
    QCOMPARE(broken.exitCode, 2);
    QVERIFY(broken.out.isEmpty());
    QVERIFY2(broken.err.contains(QLatin1String("line 2")), qPrintable(broken.err));
}

void TestRecorderSim::framesAreFoundAfterGarbage_data() {
    QTest::addColumn<QByteArray>("garbage");

    // Cut frames carry FormatData: carrying one out would erase the readings.

    QTest::newRow("stray bytes") << hex("001122");
    QTest::newRow("first header byte") << hex("F0");
    QTest::newRow("two header bytes") << hex("F0F1");
    QTest::newRow("header alone") << hex("F0F1F2");
    QTest::newRow("header and code") << hex("F0F1F2F5");
    QTest::newRow("frame one byte short") << hex("F0F1F2F508041E0A33");
    QTest::newRow("reply marker") << hex("EFEEED");
    QTest::newRow("header bytes out of order") << hex("F1F2F0F2F1");
    QTest::newRow("a cut frame, then noise") << hex("F0F1F2F50804AA55");
}

void TestRecorderSim::framesAreFoundAfterGarbage() {
    QFETCH(QByteArray, garbage);
    const QByteArray reply =
        exchange({"--serial", "0A1B2C3D4E5F"}, garbage + hex(kReadInfo), InfoBytes);
    QCOMPARE(reply.size(), 20);
    // serial, then "has data"
    QCOMPARE(reply.left(10), hex("EFEEED0A1B2C3D4E5F01"));
}

void TestRecorderSim::frameSplitAcrossWritesIsAnsweredOnce() {
    SimProcess sim({});
    PtyClient client(sim.path());
    const QByteArray frames = hex(kReadInfo) + hex("F0F1F2F508041E0A3302");
    for (char byte : frames) {
        QVERIFY(client.write(QByteArray(1, byte)));
        QTest::qWait(3);
    }
    const QByteArray reply = replyOf(client, InfoBytes + 4);
    QCOMPARE(reply.size(), 24);
    QCOMPARE(reply.right(4), hex("EFEEED00"));
}

void TestRecorderSim::newCommandDropsTheRestOfADrippingReply() {
    // At 50 ms a byte the block would take 100 s; it is cut off once it has begun.
    SimProcess sim({"--drip", "50"});
    PtyClient client(sim.path());
    QVERIFY(client.write(hex(kReadData)));
    const QByteArray begun = client.read(1, 5000);
    QCOMPARE(begun, hex("EF"));
    QVERIFY(client.write(hex("F0F1F2F508041E0A3302")));
    const QByteArray got = begun + client.readUntilQuiet(1000);
    QVERIFY2(got.size() < 2003, qPrintable(QString::number(got.size())));
    QCOMPARE(got.right(4), hex("EFEEED00"));
}

void TestRecorderSim::drippedAndPacedRepliesAreTheSameBytes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("dripped information") << QStringList{"--drip", "5"} << hex(kReadInfo);
    QTest::newRow("paced data block") << QStringList{"--pace"} << hex(kReadData);
}

void TestRecorderSim::drippedAndPacedRepliesAreTheSameBytes() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, frame);
    const QByteArray plain = exchange({}, frame, frame == hex(kReadInfo) ? InfoBytes : BlockBytes);
    SimProcess sim(arguments);
    PtyClient client(sim.path());
    QVERIFY(client.write(frame));
    QCOMPARE(client.read(int(plain.size()), 10000), plain);
}

void TestRecorderSim::keepsAnsweringAcrossManyOpenCloseCycles() {
    SimProcess sim({"--serial", "0A1B2C3D4E5F"});
    QVERIFY(!sim.path().isEmpty());
    for (int cycle = 0; cycle < 25; ++cycle) {
        PtyClient client(sim.path());
        QVERIFY2(client.isOpen(), qPrintable(QString::number(cycle)));
        QVERIFY(client.write(hex(kReadInfo)));
        const QByteArray reply = client.read(20, 2000);
        QVERIFY2(reply.startsWith(hex("EFEEED0A1B2C3D4E5F")), qPrintable(QString::number(cycle)));
    }
}

void TestRecorderSim::serialPortAt14400Baud8N1GetsAnAnswer() {
    SimProcess sim({"--serial", "0A1B2C3D4E5F"});
    for (int round = 0; round < 3; ++round) {
        QSerialPort port(sim.path());
        port.setBaudRate(14400);
        port.setDataBits(QSerialPort::Data8);
        port.setParity(QSerialPort::NoParity);
        port.setStopBits(QSerialPort::OneStop);
        QVERIFY2(port.open(QIODevice::ReadWrite), qPrintable(port.errorString()));
        QVERIFY(port.clear());
        QCOMPARE(port.write(hex(kReadData)), qint64(10));
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        while (got.size() < 2003 && clock.elapsed() < 10000) {
            if (port.waitForReadyRead(100)) {
                got += port.readAll();
            }
        }
        QCOMPARE(got.size(), 2003);
        QCOMPARE(got.left(3), hex("EFEEED"));
        port.close();
    }
}

void TestRecorderSim::logsEveryCommandOnOneLine() {
    SimProcess sim({});
    PtyClient client(sim.path());
    QVERIFY(client.write(hex("AABB") + hex(kReadInfo) + hex("F0F1F2FA08041E0A3302")));
    QVERIFY(!client.readUntilQuiet(200).isEmpty());
    QVERIFY(sim.stop(SIGTERM));
    const QString log = sim.log();
    QVERIFY2(log.contains(QRegularExpression("243 ReadInfo \\[F0 F1 F2 F3 08 04 1E 0A 33 02\\] -> "
                                             "20 byte")),
             qPrintable(log));
    QVERIFY2(log.contains(QRegularExpression("250 unknown .* -> 0 byte")), qPrintable(log));
    QVERIFY2(log.contains(QLatin1String("skipped 2 byte")), qPrintable(log));
}

void TestRecorderSim::stopsCleanlyOnSignal_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestRecorderSim::stopsCleanlyOnSignal() {
    QFETCH(int, signal);
    SimProcess sim({"--drip", "50"});
    PtyClient client(sim.path());
    QVERIFY(client.write(hex(kReadData))); // stopped in the middle of a reply
    QVERIFY(!client.read(1, 2000).isEmpty());
    QVERIFY(sim.stop(signal));
    QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.exitCode(), 0);
}

void TestRecorderSim::refusesBadOptions_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("stray argument") << QStringList{"ttyS0"};
    QTest::newRow("serial too short") << QStringList{"--serial", "0A1B2C3D4E"};
    QTest::newRow("serial not hex") << QStringList{"--serial", "0A1B2C3D4E5G"};
    QTest::newRow("power-off 0") << QStringList{"--poweroff", "0"};
    QTest::newRow("power-off 241") << QStringList{"--poweroff", "241"};
    QTest::newRow("drip 0") << QStringList{"--drip", "0"};
    QTest::newRow("negative noise") << QStringList{"--noise", "-1"};
    QTest::newRow("cut not a number") << QStringList{"--cut", "x"};
    QTest::newRow("pace and drip") << QStringList{"--pace", "--drip", "5"};
    QTest::newRow("correction without sign") << QStringList{"--error-correction", "3"};
    QTest::newRow("correction too large") << QStringList{"--error-correction", "+256"};
    QTest::newRow("missing readings file") << QStringList{"--readings", "/nonexistent/r.csv"};
}

void TestRecorderSim::refusesBadOptions() {
    QFETCH(QStringList, arguments);
    const SimProcess::Finished run = SimProcess::runToEnd(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.out.isEmpty(), run.out.constData()); // no terminal path for a caller to open
    QVERIFY(!run.err.isEmpty());
}

void TestRecorderSim::refusesReadingsThatCannotTravel_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("where");

    QTest::newRow("number 0") << QByteArray("1,20\n0,20\n") << ":2:";
    QTest::newRow("number 1000") << QByteArray("1000,20\n") << ":1:";
    QTest::newRow("number listed twice") << QByteArray("5,20\n6,21\n5,22\n") << ":3:";
    QTest::newRow("not a temperature") << QByteArray("1,warm\n") << ":1:";
    QTest::newRow("comma decimal") << QByteArray("1,23,5\n") << ":1:";
    QTest::newRow("fraction 05 would read back as .5") << QByteArray("1,23.05\n") << ":1:";
    QTest::newRow("-0.5 would lose its sign") << QByteArray("1,-0.5\n") << ":1:";
    QTest::newRow("above the integer byte") << QByteArray("1,155.0\n") << ":1:";
    QTest::newRow("below the integer byte") << QByteArray("1,-101\n") << ":1:";
    QTest::newRow("fraction above a byte") << QByteArray("1,20.256\n") << ":1:";
    QTest::newRow("second header line") << QByteArray("number,t\nnumber,t\n") << ":2:";
}

void TestRecorderSim::refusesReadingsThatCannotTravel() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, where);
    const QString path = m_dir.filePath(QStringLiteral("bad.csv"));
    QVERIFY(writeFile(path, csv));
    const SimProcess::Finished run = SimProcess::runToEnd({"--readings", path});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(where), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(TestRecorderSim)
#include "TestRecorderSim.moc"
