// Two copies of the program sharing one PostgreSQL database, as a site laptop and the site
// office would: each uploads from its own recorder, sees the other's upload after a refresh,
// groups the readings and draws both uploads into one station's curves.
#include "app/InstanceLock.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "curves/MyFunctions.h"
#include "curves/ui/ChartPicture.h"
#include "curves/ui/frmWenduQuxian.h"
#include "device/ui/DeviceController.h"
#include "grouping/ui/FrmDataGroupDef.h"
#include "grouping/ui/FrmDefMore.h"
#include "store/StoreAddress.h"
#include "tests/link/sim/SimRun.h"
#include "tests/support/ChartProbe.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/LoginAnswer.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/PaneRows.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SimReadings.h"
#include "tests/support/WindowParts.h"
#include "tools/pgcluster/PgCluster.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <cmath>
#include <memory>

namespace {

using Answer = Prompts::Answer;

constexpr int Channels = 30;
constexpr int Stations = Channels / 3;
// The laptop uploads the morning before, the office this morning: the chart of two days
// holds both.
const std::array<QString, 2> UploadTimes{QStringLiteral("2008-04-30 08:00:00"),
                                         QStringLiteral("2008-05-01 08:00:00")};

// One copy of the program: its own folder (and so its own single-copy lock), prompts, clock
// and recorder.
struct Office {
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    ScaledClock clock{50.0, QDateTime(QDate(2008, 5, 1), QTime(10, 0, 0))};
    std::unique_ptr<InstanceLock> lock;
    std::unique_ptr<SimRun> recorder;
    std::unique_ptr<frmMain> main;

    QAction* action(const char* name) const { return main->action(QString::fromUtf8(name)); }
};

} // namespace

class TestTwoOffices : public QObject {
    Q_OBJECT

    PgCluster m_pg;
    QString m_address;
    std::array<Office, 2> m_offices;

    void start(int o) {
        Office& office = m_offices[static_cast<size_t>(o)];
        QVERIFY(office.dir.isValid());
        const QString csv =
            writeSimReadings(office.dir.filePath(QStringLiteral("readings.csv")), o);
        QVERIFY(!csv.isEmpty());
        office.recorder = std::make_unique<SimRun>(
            QStringList{"--readings", csv, "--serial", QStringLiteral("00000000000%1").arg(o)});
        QVERIFY(!office.recorder->path().isEmpty());

        office.lock = std::make_unique<InstanceLock>(office.dir.path());
        answerLogin(office.prompts);
        office.main = Startup::Main(office.prompts, office.clock, *office.lock, office.dir.path());
        QVERIFY(office.main);
    }

    void upload(int o) {
        Office& office = m_offices[static_cast<size_t>(o)];
        office.prompts.clear();
        office.prompts.answer(Answer::Ok); // the checklist before the search
        qputenv("THERMBOOK_SERIAL_PORTS", office.recorder->path().toLocal8Bit());
        office.main->actions().menu_Connect->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!office.main->device().linkBusy(), 30000);
        QCOMPARE(office.prompts.texts().last(), QStringLiteral("设备联机成功！"));

        office.prompts.clear();
        office.prompts.answer(Answer::Yes);
        const QString when = UploadTimes[static_cast<size_t>(o)];
        confirmDateTime(office.prompts, when.left(10), when.mid(11), QStringLiteral("1"),
                        QString::number(Channels), QStringLiteral("0"));
        office.main->actions().menu_Upload->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!office.main->device().linkBusy(), 30000);
        QCOMPARE(office.prompts.texts().last(), QStringLiteral("数据已经存入数据库"));
    }

private slots:
    void initTestCase() {
        // Without a server nothing here means anything: that is a failure, never a skip.
        QVERIFY2(m_pg.start(), qPrintable(m_pg.error()));
        m_address = m_pg.createDatabase(QStringLiteral("site"));
        QVERIFY2(!m_address.isEmpty(), qPrintable(m_pg.error()));
        qputenv(StoreAddress::EnvironmentVariable, m_address.toUtf8());
        for (int o = 0; o < 2; ++o)
            start(o);
    }

    void cleanupTestCase() {
        for (Office& office : m_offices)
            office.main.reset();
    }

    void bothNameTheServerInTheStatusBar() {
        for (const Office& office : m_offices)
            QCOMPARE(Part<QLabel>(*office.main, "sbStore")->text(),
                     QStringLiteral("数据库：服务器 127.0.0.1:%1/site（未加密连接）").arg(m_pg.port()));
    }

    void eachSeesTheOthersUploadAfterARefresh() {
        upload(0);
        upload(1);
        for (const Office& office : m_offices) {
            QVERIFY2(Part<QLabel>(*office.main, "sbWatch")->text().startsWith("距上次上传："),
                     qPrintable(Part<QLabel>(*office.main, "sbWatch")->text()));
            office.action("Menu_orderDateTime")->trigger();
            QCOMPARE(PaneRows(*office.main), (QStringList{UploadTimes[1], UploadTimes[0]}));
        }
    }

    // The laptop defines the stations; the office finds them defined. Each groups the
    // readings and draws station 0001 with the laptop's upload and the office's.
    void eachGroupsAndDrawsBothUploads() {
        for (int o = 0; o < 2; ++o) {
            Office& office = m_offices[static_cast<size_t>(o)];
            office.prompts.clear();
            office.prompts.answer(Answer::Yes); // replace the stored definitions
            int listed = -1;
            office.prompts.answerDialog<FrmDataGroupDef>([o, &listed](FrmDataGroupDef& d) {
                if (o == 0)
                    Part<QPushButton>(d, "CmdMore")->click();
                listed = static_cast<int>(d.listedGroups().size());
                Part<QPushButton>(d, "cmdOK")->click();
            });
            if (o == 0)
                office.prompts.answerDialog<FrmDefMore>([](FrmDefMore& more) {
                    QTRY_COMPARE(PartAt<QComboBox>(more, "Combo1", 1)->count(), 1999);
                    Part<QComboBox>(more, "Combo3")->setEditText(QStringLiteral("3"));
                    Part<QComboBox>(more, "Combo2")->setEditText(QStringLiteral("1"));
                    PartAt<QComboBox>(more, "Combo1", 0)->setEditText(QStringLiteral("1"));
                    PartAt<QComboBox>(more, "Combo1", 1)->setEditText(QString::number(Channels));
                    Part<QPushButton>(more, "cmdOK")->click();
                });
            QImage chart;
            QString station;
            QString status;
            // The window opens once the stations have been grouped twice, beside it.
            office.prompts.answerDialog<frmWenduQuxian>([&](frmWenduQuxian& w) {
                const auto close = qScopeGuard([&w] { w.cmdExit->click(); });
                QTRY_COMPARE(w.Text1->toPlainText(), MyFunctions::HasDataText);
                station = w.Combo1->currentText();
                QCOMPARE(w.Combo1->count(), Stations);
                chart = w.Picture1->image();
            });
            office.action("MenuDraw")->trigger();
            QVERIFY(waitForLongWork(office.main->longWork()));
            QCOMPARE(listed, Stations);
            QCOMPARE(office.prompts.texts().count(QStringLiteral("数据分组完成。")), 2);
            QCOMPARE(station, QStringLiteral("0001"));
            QVERIFY(!chart.isNull());

            // Yesterday starts at 4000 twips, a half hour is 100 twips: the laptop's upload is
            // half hour 16, the office's 64.
            const int origin = 4000;
            const std::array<QColor, 3> colours{QColor(0, 0, 128), QColor(0, 128, 0),
                                                QColor(0, 128, 128)};
            for (int k = 0; k < 3; ++k) {
                const QColor& c = colours[static_cast<size_t>(k)];
                QCOMPARE(topDegree(chart, origin + 4050, origin + 4050, c),
                         static_cast<int>(std::lround(simReading(k + 1, 0))));
                const int risen = topDegree(chart, origin + 6300, origin + 6400, c);
                const int office1 = static_cast<int>(std::lround(simReading(k + 1, 1)));
                QVERIFY2(risen <= office1 && risen >= office1 - 3,
                         qPrintable(QString::number(risen)));
            }
        }
    }
};

QTEST_MAIN(TestTwoOffices)
#include "test_two_offices.moc"
