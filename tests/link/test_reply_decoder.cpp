#include "link/ReplyDecoder.h"

#include <QStringList>
#include <QTest>

namespace {

// A data block after `noise` stray bytes: the marker, 999 integer bytes, one unused byte,
// 999 fraction bytes. Every reading is 20.0 (integer byte 120) unless set otherwise.
QByteArray dataBlock(int noise = 0) {
    QByteArray reply(noise, '\x55');
    reply += QByteArray::fromHex("EFEEED");
    reply += QByteArray(999, char(120));
    reply += QByteArray(1, '\0');
    reply += QByteArray(999, '\0');
    reply += QByteArray(1, '\x99'); // the recorder's trailing byte
    return reply;
}

// Sets reading j (1..999) of a block whose marker starts at `marker`.
void setReading(QByteArray& reply, int marker, int j, quint8 whole, quint8 fraction) {
    reply[marker + 2 + j] = char(whole);
    reply[marker + 1002 + j] = char(fraction);
}

} // namespace

class TestReplyDecoder : public QObject {
    Q_OBJECT

private slots:
    void markerIsTheFirstEfEeEd_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("marker");
        QTest::newRow("nothing") << QByteArray() << -1;
        QTest::newRow("two marker bytes at the end") << QByteArray::fromHex("0000EFEE") << -1;
        QTest::newRow("clean") << QByteArray::fromHex("EFEEED01") << 0;
        QTest::newRow("after noise") << QByteArray::fromHex("0013EFEEED") << 2;
        QTest::newRow("after a false start") << QByteArray::fromHex("EFEEEFEEED") << 2;
        QTest::newRow("reversed") << QByteArray::fromHex("EDEEEF") << -1;
        QTest::newRow("interrupted") << QByteArray::fromHex("EFEE00ED") << -1;
        QTest::newRow("first of two") << QByteArray::fromHex("EFEEEDEFEEED") << 0;
    }

    void markerIsTheFirstEfEeEd() {
        QFETCH(QByteArray, reply);
        QFETCH(int, marker);
        QCOMPARE(FindReplyMarker(reply), marker);
    }

    void informationReplyDecodes_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QStringList>("fields"); // serial, format, upload, error, address
        QTest::addColumn<QString>("powerOff");   // "absent" when not decoded

        const QString saved = QStringLiteral("已有保存的数据");
        const QString upload = QStringLiteral("08年04月30日10时51分");
        QTest::newRow("clean") << QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105012C0A")
                               << QStringList{"0123456789AB", saved, upload, "+5", "300"} << "10";
        QTest::newRow("noise before the marker decodes the same")
            << QByteArray::fromHex("00FFEFEE12EFEEED0123456789AB0108041E0A330105012C0A77")
            << QStringList{"0123456789AB", saved, upload, "+5", "300"} << "10";
        QTest::newRow("formatted, single-digit bytes padded")
            << QByteArray::fromHex("EFEEED000A0B0C0D0E0001020304050003010505")
            << QStringList{"000A0B0C0D0E", QStringLiteral("已格式化，尚未保存数据"),
                           QStringLiteral("01年02月03日04时05分"), "-3", "261"}
            << "5";
        QTest::newRow("magnitude 0 is 0 whatever the sign")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A330100000000")
            << QStringList{"0123456789AB", saved, upload, "0", QStringLiteral("无数据")} << "0";
        QTest::newRow("magnitude 0 with minus sign")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A33000000010A")
            << QStringList{"0123456789AB", saved, upload, "0", "1"} << "10";
        QTest::newRow("address 80 00 is unsigned")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A33010580001E")
            << QStringList{"0123456789AB", saved, upload, "+5", "32768"} << "30";
        QTest::newRow("address FF FF")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105FFFFF0")
            << QStringList{"0123456789AB", saved, upload, "+5", "65535"} << "240";
        QTest::newRow("cut before the power-off byte")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A330105012C")
            << QStringList{"0123456789AB", saved, upload, "+5", "300"} << "absent";
        QTest::newRow("cut inside the error correction")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E0A3301")
            << QStringList{"0123456789AB", saved, upload, "", ""} << "absent";
        QTest::newRow("cut inside the upload time")
            << QByteArray::fromHex("EFEEED0123456789AB0108041E")
            << QStringList{"0123456789AB", saved, "", "", ""} << "absent";
        QTest::newRow("cut inside the serial number")
            << QByteArray::fromHex("EFEEED012345") << QStringList{"", "", "", "", ""} << "absent";
    }

    void informationReplyDecodes() {
        QFETCH(QByteArray, reply);
        QFETCH(QStringList, fields);
        QFETCH(QString, powerOff);
        const DeviceInfo info = DecodeDeviceInfo(reply, FindReplyMarker(reply));
        QCOMPARE((QStringList{info.serial, info.formatState, info.uploadTime, info.errCorr,
                              info.lastAddr}),
                 fields);
        QCOMPARE(info.powerOffMin.value_or(QStringLiteral("absent")), powerOff);
    }

    void readingTextFromItsTwoBytes_data() {
        QTest::addColumn<int>("whole");
        QTest::addColumn<int>("fraction");
        QTest::addColumn<QString>("text");
        QTest::newRow("23.5") << 123 << 5 << "23.5";
        QTest::newRow("fraction byte 12") << 123 << 12 << "23.12";
        QTest::newRow("negative, two digits") << 95 << 3 << "-05.3";
        QTest::newRow("small positive, two digits") << 105 << 12 << "05.12";
        QTest::newRow("zero") << 100 << 0 << "00.0";
        QTest::newRow("80 is -20") << 80 << 7 << "-20.7";
        QTest::newRow("79 is -21, invalid") << 79 << 0 << "E1";
        QTest::newRow("230 is 130") << 230 << 9 << "130.9";
        QTest::newRow("231 is 131, invalid") << 231 << 0 << "E1";
        QTest::newRow("three-digit degrees") << 223 << 255 << "123.255";
        QTest::newRow("byte 0") << 0 << 0 << "E1";
        QTest::newRow("byte 255") << 255 << 255 << "E1";
    }

    void readingTextFromItsTwoBytes() {
        QFETCH(int, whole);
        QFETCH(int, fraction);
        QFETCH(QString, text);
        QCOMPARE(ReadingText(quint8(whole), quint8(fraction)), text);
    }

    void dataBlockGivesNineHundredNinetyNineReadings() {
        for (int noise : {0, 7}) {
            QByteArray reply = dataBlock(noise);
            setReading(reply, noise, 1, 123, 5);
            setReading(reply, noise, 500, 95, 3);
            setReading(reply, noise, 999, 231, 0);
            const std::optional<QStringList> decoded =
                DecodeDataBlock(reply, FindReplyMarker(reply));
            QVERIFY(decoded);
            const QStringList& texts = *decoded;
            QCOMPARE(texts.size(), 999);
            QCOMPARE(texts[0], QStringLiteral("23.5"));
            QCOMPARE(texts[1], QStringLiteral("20.0"));
            QCOMPARE(texts[499], QStringLiteral("-05.3"));
            QCOMPARE(texts[998], QStringLiteral("E1"));
        }
    }

    void aBlockCutShortIsNoBlock_data() {
        QTest::addColumn<int>("noise");
        QTest::addColumn<int>("kept"); // bytes from the marker on
        QTest::addColumn<bool>("decoded");
        QTest::newRow("whole, without the trailing byte") << 0 << 2002 << true;
        QTest::newRow("after noise, without it") << 5 << 2002 << true;
        QTest::newRow("last fraction byte missing") << 0 << 2001 << false;
        QTest::newRow("after noise, last byte missing") << 5 << 2001 << false;
        QTest::newRow("pulled out mid-block") << 0 << 1500 << false;
    }
    void aBlockCutShortIsNoBlock() {
        QFETCH(int, noise);
        QFETCH(int, kept);
        QFETCH(bool, decoded);
        const QByteArray reply = dataBlock(noise).left(noise + kept);
        QCOMPARE(DecodeDataBlock(reply, noise).has_value(), decoded);
    }
};

QTEST_GUILESS_MAIN(TestReplyDecoder)
#include "test_reply_decoder.moc"
