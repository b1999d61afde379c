#include "link/PortCandidates.h"
#include "link/PortNumbers.h"
#include "link/RegWR.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void writeFile(const QString& path, const QByteArray& content = {}) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

Q_DECLARE_METATYPE(RegWR::SerialPortDescription)

class TestPortDiscovery : public QObject {
    Q_OBJECT

private slots:
    void candidatesComeFromTheListingLastFirst_data() {
        QTest::addColumn<QString>("listing");
        QTest::addColumn<QList<quint8>>("ports");
        QTest::newRow("empty") << QString() << QList<quint8>{};
        QTest::newRow("one port") << "\\Device\\Serial0=COM1\r\n" << QList<quint8>{1};
        QTest::newRow("listed last is tried first")
            << "\\Device\\Serial0=COM1\r\n\\Device\\ProlificSerial0=COM5\r\n"
            << QList<quint8>{5, 1};
        QTest::newRow("lower case is found") << "\\Device\\Serial2=com7\r\n" << QList<quint8>{7};
        QTest::newRow("COM0 is skipped") << "\\Device\\COM0Thing=COM3\r\n" << QList<quint8>{3};
        QTest::newRow("a name without a number is skipped") << "\\Device\\Compact=COM12\r\n"
                                                            << QList<quint8>{12};
        QTest::newRow("255 fits a byte") << "\\Device\\Serial9=COM255\r\n" << QList<quint8>{255};
        QTest::newRow("256 does not") << "\\Device\\Serial9=COM256\r\n\\Device\\X=COM4\r\n"
                                      << QList<quint8>{4};
        QTest::newRow("no listing text before the first COM counts") << "12=COM2\r\n"
                                                                     << QList<quint8>{2};
        QTest::newRow("the same port twice is tried twice")
            << "\\Device\\A=COM3\r\n\\Device\\B=COM3\r\n"
            << QList<quint8>{3, 3};
    }

    void candidatesComeFromTheListingLastFirst() {
        QFETCH(QString, listing);
        QFETCH(QList<quint8>, ports);
        QCOMPARE(CandidatePorts(listing), ports);
    }

    void aPathKeepsItsNumberForTheRun() {
        PortNumbers numbers;
        const quint8 first = numbers.NumberFor(QStringLiteral("/dev/ttyTEST-a"));
        const quint8 second = numbers.NumberFor(QStringLiteral("/dev/ttyTEST-b"));
        QVERIFY(first >= 1);
        QVERIFY(second != first);
        QCOMPARE(numbers.NumberFor(QStringLiteral("/dev/ttyTEST-a")), first);
        QCOMPARE(numbers.PathFor(first), QStringLiteral("/dev/ttyTEST-a"));
        QCOMPARE(numbers.PathFor(second), QStringLiteral("/dev/ttyTEST-b"));
        QVERIFY(numbers.PathFor(0).isEmpty());
        QVERIFY(numbers.PathFor(254).isEmpty());
    }

    void namedPortsAreListedLastSoTheyAreProbedFirst() {
        const QStringList system{QStringLiteral("/dev/ttyUSB3"), QStringLiteral("/dev/ttyUSB0")};
        const QStringList named{QStringLiteral("/dev/pts/7"), QStringLiteral("/dev/ttyUSB0"),
                                QStringLiteral("/tmp/com9")};
        PortNumbers numbers;
        const QString listing = RegWR::PortListing(system, named, numbers);
        QVERIFY(listing.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(listing.count(QStringLiteral("\r\n")), 4);
        QVERIFY(listing.startsWith(QStringLiteral("\\Device\\Serial0=COM")));

        QStringList probed;
        for (quint8 number : CandidatePorts(listing))
            probed.append(numbers.PathFor(number));
        // A path that merely contains "com" never poses as a port number of its own.
        QCOMPARE(probed,
                 (QStringList{QStringLiteral("/dev/pts/7"), QStringLiteral("/dev/ttyUSB0"),
                              QStringLiteral("/tmp/com9"), QStringLiteral("/dev/ttyUSB3")}));
    }

    void onlyUsbAdaptersAreProbedPl2303First_data() {
        QTest::addColumn<QList<RegWR::SerialPortDescription>>("ports");
        QTest::addColumn<QStringList>("probed");
        const auto port = [](const char* path, std::optional<quint16> vendor) {
            return RegWR::SerialPortDescription{QString::fromLatin1(path), vendor};
        };
        QTest::newRow("nothing") << QList<RegWR::SerialPortDescription>{} << QStringList{};
        QTest::newRow("built-in ports are left alone")
            << QList{port("/dev/ttyS0", std::nullopt), port("/dev/ttyS1", std::nullopt)}
            << QStringList{};
        QTest::newRow("an adapter beside a built-in port")
            << QList{port("/dev/ttyS0", std::nullopt), port("/dev/ttyUSB0", 0x0403)}
            << QStringList{"/dev/ttyUSB0"};
        QTest::newRow("PL-2303 before other adapters, each by path")
            << QList{port("/dev/ttyACM0", 0x2341), port("/dev/ttyUSB3", 0x067B),
                     port("/dev/ttyUSB0", 0x0403), port("/dev/ttyUSB1", 0x067B),
                     port("/dev/ttyS4", std::nullopt)}
            << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB3", "/dev/ttyACM0", "/dev/ttyUSB0"};
        QTest::newRow("vendor 0 is still a USB adapter")
            << QList{port("/dev/ttyUSB0", 0)} << QStringList{"/dev/ttyUSB0"};
    }

    void onlyUsbAdaptersAreProbedPl2303First() {
        QFETCH(QList<RegWR::SerialPortDescription>, ports);
        QFETCH(QStringList, probed);
        QCOMPARE(RegWR::UsbSerialPorts(ports), probed);
    }

    void namedPortsComeFromTheEnvironment() {
        qputenv("THERMBOOK_SERIAL_PORTS", "/dev/pts/3::/dev/ttyUSB1");
        QCOMPARE(RegWR::ExtraPortPaths(),
                 (QStringList{QStringLiteral("/dev/pts/3"), QStringLiteral("/dev/ttyUSB1")}));
        QVERIFY(RegWR::DriverInstalled());
        qunsetenv("THERMBOOK_SERIAL_PORTS");
        QVERIFY(RegWR::ExtraPortPaths().isEmpty());
    }

    void driverIsFoundRegisteredBuiltInOrAsModule_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing") << QString() << QByteArray() << false;
        QTest::newRow("registered")
            << "sys/bus/usb-serial/drivers/pl2303/module" << QByteArray() << true;
        QTest::newRow("built in") << "lib/modules/6.1.0-test/modules.builtin"
                                  << QByteArray("kernel/drivers/usb/serial/usbserial.ko\n"
                                                "kernel/drivers/usb/serial/pl2303.ko\n")
                                  << true;
        QTest::newRow("other drivers built in")
            << "lib/modules/6.1.0-test/modules.builtin"
            << QByteArray("kernel/drivers/usb/serial/ftdi_sio.ko\n") << false;
        QTest::newRow("compressed module")
            << "lib/modules/6.1.0-test/kernel/drivers/usb/serial/pl2303.ko.xz" << QByteArray()
            << true;
        QTest::newRow("module elsewhere, in modules.dep")
            << "lib/modules/6.1.0-test/modules.dep"
            << QByteArray("updates/pl2303.ko.zst: kernel/drivers/usb/serial/usbserial.ko.zst\n")
            << true;
        QTest::newRow("only depended upon is no module of its own")
            << "lib/modules/6.1.0-test/modules.dep"
            << QByteArray("kernel/x/other.ko: kernel/x/pl2303.ko\n") << false;
        QTest::newRow("another kernel's module")
            << "lib/modules/5.10.0-old/kernel/drivers/usb/serial/pl2303.ko" << QByteArray()
            << false;
    }

    void driverIsFoundRegisteredBuiltInOrAsModule() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, found);
        QTemporaryDir root;
        if (!file.isEmpty())
            writeFile(root.filePath(file), content);
        QCOMPARE(RegWR::Pl2303Known(root.path(), QStringLiteral("6.1.0-test")), found);
    }
};

QTEST_GUILESS_MAIN(TestPortDiscovery)
#include "test_port_discovery.moc"
