// The whole road as a site engineer walks it: the real start-up and main window, driven
// through its menus against the recorder simulator, with the data checked at every step.
// Each step builds on the one before, so the steps run in order on one window.
#include "analysis/RecordSheet.h"
#include "analysis/ui/StationTableModel.h"
#include "analysis/ui/frmWenkongFenxi.h"
#include "app/InstanceLock.h"
#include "app/MainPanes.h"
#include "app/Startup.h"
#include "app/frmMain.h"
#include "common/Clock.h"
#include "curves/MyFunctions.h"
#include "curves/ui/ChartPicture.h"
#include "curves/ui/frmWenduQuxian.h"
#include "device/ui/DeviceController.h"
#include "device/ui/FrmAutoOpration.h"
#include "grouping/ui/FrmDataGroupDef.h"
#include "grouping/ui/FrmDefMore.h"
#include "reports/ui/frmWenduBaobiao.h"
#include "store/ui/FrmDataManage.h"
#include "store/ui/FrmSelect.h"
#include "store/ui/StoreController.h"
#include "tests/link/sim/SimRun.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ChartProbe.h"
#include "tests/support/ConfirmDateTime.h"
#include "tests/support/LoginAnswer.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/OpenedFiles.h"
#include "tests/support/PaneRows.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/SimReadings.h"
#include "tests/support/WindowParts.h"

#include <QAction>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <cmath>

namespace {

using Answer = Prompts::Answer;

const QString FirstUpload = QStringLiteral("2008-04-30 08:00:00");
const QString SecondUpload = QStringLiteral("2008-05-01 08:00:00");
// Only the recorder's first 900 channels are wired; they are sensors 101..1000 on site.
constexpr int LastChannel = 900;
constexpr int Offset = 100;
constexpr int Stations = LastChannel / 3;
const QString Done = QStringLiteral("数据分组完成。");

// A reading as the fixed views show it: whole degrees, three digits.
QString whole(double t) {
    return QStringLiteral("%1").arg(static_cast<int>(t), 3, 10, QLatin1Char('0'));
}

} // namespace

class TestRoad : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompts m_prompts;
    // Fifty times real time, on the morning after the first upload.
    ScaledClock m_clock{50.0, QDateTime(QDate(2008, 5, 1), QTime(10, 0, 0))};
    OpenedFiles m_opened;
    std::unique_ptr<SimRun> m_sim;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<frmMain> m_main;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    QString dbPath() const { return file(QStringLiteral("数据库.mdb")); }
    QStringList rows(const QString& sql) const { return StoreFixture::rowsAt(dbPath(), sql); }
    QAction* action(const char* name) const { return m_main->action(QString::fromUtf8(name)); }

    std::unique_ptr<frmMain> start(const QString& password) {
        m_lock = std::make_unique<InstanceLock>(m_dir.path());
        answerLogin(m_prompts, password);
        return Startup::Main(m_prompts, m_clock, *m_lock, m_dir.path());
    }

    // The recorder, with the readings of one upload and its state kept across restarts.
    void startRecorder(int upload) {
        m_sim.reset();
        const QString csv =
            writeSimReadings(file(QStringLiteral("readings%1.csv").arg(upload)), upload);
        QVERIFY(!csv.isEmpty());
        m_sim = std::make_unique<SimRun>(QStringList{"--readings", csv, "--serial", "0123456789AB",
                                                     "--state", file("recorder.state")});
        QVERIFY(!m_sim->path().isEmpty());
        qputenv("THERMBOOK_SERIAL_PORTS", m_sim->path().toLocal8Bit());
    }

    QString caption() const { return m_main->panes().queryTitle()->text(); }
    QString info(int row) const { return Cell(Part<QTreeView>(*m_main, "ListView1"), row, 1); }

    void connectRecorder() {
        m_prompts.clear();
        m_prompts.answer(Answer::Ok); // the checklist before the search
        m_main->actions().menu_Connect->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!m_main->device().linkBusy(), 30000);
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("设备联机成功！"));
        QCOMPARE(Part<QLabel>(*m_main, "sbPanel1")->text(), QStringLiteral("已与设备联机。"));
        QCOMPARE(info(1), QStringLiteral("0123456789AB"));
    }

    // Uploads and saves the readings at the date-time, channels 1..900 as sensors 101..1000.
    void uploadAndSave(int upload, const QString& dateTime) {
        m_prompts.clear();
        m_prompts.answer(Answer::Yes);
        confirmDateTime(m_prompts, dateTime.left(10), dateTime.mid(11), QStringLiteral("1"),
                        QString::number(LastChannel), QString::number(Offset));
        const QString before = info(6);
        m_main->actions().menu_Upload->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!m_main->device().linkBusy(), 30000);
        QCOMPARE(m_prompts.texts(),
                 (QStringList{"是否被将设备数据保存到计算机数据库中？", "数据已经存入数据库"}));
        // The recorder noted the upload at the program's time, and the list shows it.
        QVERIFY2(info(6).startsWith(QStringLiteral("08年05月01日10时")), qPrintable(info(6)));
        QVERIFY(info(6) != before);

        auto* list = Part<QTreeView>(*m_main, "ListView2");
        QCOMPARE(Rows(list), 999);
        QStringList expected;
        for (int n = 1; n <= 999; ++n) {
            QCOMPARE(Cell(list, n - 1, 0), QString::number(n));
            QCOMPARE(Cell(list, n - 1, 1).toDouble(), simReading(n, upload));
            if (n <= LastChannel)
                expected.append(QStringLiteral("%1|%2").arg(n + Offset).arg(Cell(list, n - 1, 1)));
        }
        QCOMPARE(rows("select 编号, 温度值 from [表1] where 日期时间 = '" + dateTime +
                      "' order by cast(编号 as integer)"),
                 expected);
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QFile::copy(QStringLiteral(REPORT_TEMPLATE), file(frmWenduBaobiao::TemplateName)));
        startRecorder(0);
    }

    void cleanupTestCase() {
        m_main.reset();
        m_sim.reset();
    }

    void logsInWithAnEmptyPassword() {
        m_main = start(QString());
        QVERIFY(m_main);
        QVERIFY(m_main->isVisible());
        QVERIFY(!m_main->actions().menu_factory->menuAction()->isVisible());
        // The start made the database the program works on.
        QCOMPARE(rows("select count(*) from [表1]"), QStringList{"0"});
    }

    void connectsToTheRecorder() {
        connectRecorder();
        QVERIFY(m_main->actions().menu_Connect->isChecked());
    }

    void uploadsAndSavesTheChosenRange() {
        uploadAndSave(0, FirstUpload);
        QCOMPARE(rows("select count(*) from [表1]"), QStringList{"900"});
    }

    void uploadsAgainAfterTheReadingsChange() {
        // Some minutes later, so the recorder's upload time visibly moves.
        m_clock.jump(10 * 60 * 1000);
        startRecorder(1);
        connectRecorder();
        uploadAndSave(1, SecondUpload);
        QCOMPARE(rows("select count(*), count(distinct 日期时间) from [表1]"),
                 QStringList{"1800|2"});
        QCOMPARE(m_main->store().GetUpdownTimeList(), "|" + SecondUpload + "|" + FirstUpload);
    }

    void showsEveryViewAndACustomQuery() {
        action("menu_OrderByIdTime")->trigger();
        QCOMPARE(caption(), QStringLiteral(" 同一传感器，各时间温度值："));
        QStringList byId = PaneRows(*m_main);
        QCOMPARE(byId.size(), 2 * LastChannel);
        for (int n = 1; n <= LastChannel; ++n) {
            const QString id = QString::number(n + Offset).rightJustified(3, QLatin1Char('0'));
            QCOMPARE(byId[2 * n - 2], id + "|" + SecondUpload + "|" + whole(simReading(n, 1)));
            QCOMPARE(byId[2 * n - 1], "|" + FirstUpload + "|" + whole(simReading(n, 0)));
        }

        action("menu_OrderByTimeId")->trigger();
        QCOMPARE(caption(), QStringLiteral(" 同一时间，各传感器温度值："));
        const QStringList byTime = PaneRows(*m_main);
        QCOMPARE(byTime.size(), 2 * LastChannel);
        QCOMPARE(byTime[0], SecondUpload + "|101|" + whole(simReading(1, 1)));
        QCOMPARE(byTime[LastChannel], FirstUpload + "|101|" + whole(simReading(1, 0)));
        QCOMPARE(byTime.last(), "|1000|" + whole(simReading(LastChannel, 0)));

        action("Menu_orderDateTime")->trigger();
        QCOMPARE(caption(), QStringLiteral(" 数据上传时间列表："));
        QCOMPARE(PaneRows(*m_main), (QStringList{SecondUpload, FirstUpload}));

        action("Menu_order编号")->trigger();
        QCOMPARE(caption(), QStringLiteral(" 传感器编号列表："));
        const QStringList numbers = PaneRows(*m_main);
        QCOMPARE(numbers.size(), LastChannel);
        QCOMPARE(numbers.first(), QStringLiteral("101"));
        QCOMPARE(numbers.last(), QStringLiteral("1000"));

        m_prompts.answerDialog<FrmSelect>([](FrmSelect& d) {
            PartAt<QRadioButton>(d, "Option2", 1)->setChecked(true);
            Part<QComboBox>(d, "Combo3")->setEditText(QStringLiteral("101"));
            Part<QComboBox>(d, "Combo4")->setEditText(QStringLiteral("103"));
            PartAt<QRadioButton>(d, "Option3", 1)->setChecked(true);
            Part<QPushButton>(d, "CmdOK")->click();
        });
        action("menu_DefByMyself")->trigger();
        QStringList custom;
        for (int n = 1; n <= 3; ++n) {
            custom << QString::number(n + Offset) + "|" + FirstUpload + "|" +
                          QString::asprintf("%06.2f", simReading(n, 0));
            custom << "|" + SecondUpload + "|" + QString::asprintf("%06.2f", simReading(n, 1));
        }
        QCOMPARE(caption(), QStringLiteral("自定义查询："));
        QCOMPARE(PaneRows(*m_main), custom);
    }

    void definesGroupsInBulkAndGroups() {
        m_prompts.clear();
        m_prompts.answer(Answer::Yes); // replace the stored definitions
        int listed = 0;
        m_prompts.answerDialog<FrmDataGroupDef>([&listed](FrmDataGroupDef& d) {
            Part<QPushButton>(d, "CmdMore")->click();
            listed = static_cast<int>(d.listedGroups().size());
            Part<QPushButton>(d, "cmdOK")->click();
        });
        m_prompts.answerDialog<FrmDefMore>([](FrmDefMore& more) {
            QTRY_COMPARE(PartAt<QComboBox>(more, "Combo1", 1)->count(), 1999);
            Part<QComboBox>(more, "Combo3")->setEditText(QStringLiteral("3"));
            Part<QComboBox>(more, "Combo2")->setEditText(QStringLiteral("1"));
            PartAt<QComboBox>(more, "Combo1", 0)->setEditText(QString::number(1 + Offset));
            PartAt<QComboBox>(more, "Combo1", 1)
                ->setEditText(QString::number(LastChannel + Offset));
            Part<QPushButton>(more, "cmdOK")->click();
        });
        action("MenuGroupDEF")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        QCOMPARE(listed, Stations);
        QCOMPARE(m_prompts.texts().last(), Done);
        QVERIFY(action("MenuGroupDEF")->isChecked());
        QCOMPARE(rows("select * from [分组定义] where [组名] = '0002'"),
                 QStringList{"0002|0104|0105|0106|||||"});

        QStringList expected;
        for (const QString& upload : {FirstUpload, SecondUpload})
            for (int s = 1; s <= Stations; ++s) {
                const int u = upload == SecondUpload ? 1 : 0;
                QStringList t;
                for (int k = 0; k < 3; ++k)
                    t << QString::number(simReading(3 * s - 2 + k, u));
                expected << QString(upload).remove('-').remove(':').remove(' ') + "|" +
                                QString::number(s).rightJustified(4, '0') + "|" + t.join('|') +
                                "|255|255";
            }
        QCOMPARE(rows("select myid, 站点编号, t1, t2, t3, t4, t8 from [测量数据] "
                      "order by myid, 站点编号"),
                 expected);
    }

    void curveWindowShowsBothUploads() {
        m_prompts.clear();
        const QString pdf = file(QStringLiteral("chart.pdf"));
        const QString bmp = file(QStringLiteral("chart.bmp"));
        m_prompts.choosePrinter([pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
        });
        m_prompts.answer(Answer::Ok);  // the grouping run done
        m_prompts.answer(Answer::Yes); // print so many pages
        m_prompts.choose(bmp);
        QImage chart;
        m_prompts.answerDialog<frmWenduQuxian>([&](frmWenduQuxian& w) {
            const auto close = qScopeGuard([&w] { w.cmdExit->click(); });
            QTRY_COMPARE(w.Text1->toPlainText(), MyFunctions::HasDataText);
            QCOMPARE(w.Combo1->currentText(), QStringLiteral("0001"));
            QCOMPARE(w.Combo1->count(), Stations);
            chart = w.Picture1->image();
            w.CmdPrn->click();
            w.cmd2Bmp->click();
        });
        action("MenuDraw")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        QVERIFY(!chart.isNull());
        QCOMPARE(m_prompts.texts().first(), Done); // regrouped before the window opens
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("输出图片文件成功"));

        // The start date (yesterday) sits at 4000 twips, each half hour 100 twips wide:
        // the first upload is half hour 16, the second 64. Between them the curves hold the
        // first upload's readings, then rise to the second's.
        const int origin = 4000;
        const std::array<QColor, 3> colours{QColor(0, 0, 128), QColor(0, 128, 0),
                                            QColor(0, 128, 128)};
        for (int k = 0; k < 3; ++k) {
            const QColor& c = colours[static_cast<size_t>(k)];
            const int between = origin + 100 * 40 + 50;
            QCOMPARE(topDegree(chart, between, between, c),
                     static_cast<int>(std::lround(simReading(k + 1, 0))));
            const int risen = topDegree(chart, origin + 100 * 63, origin + 100 * 64, c);
            // The newest-data line covers the curve's last pixel column, where it is steepest.
            const int second = static_cast<int>(std::lround(simReading(k + 1, 1)));
            QVERIFY2(risen <= second && risen >= second - 3, qPrintable(QString::number(risen)));
        }
        // Nothing of the curves lies beyond the newest upload.
        QCOMPARE(topDegree(chart, origin + 100 * 66, origin + 100 * 90, colours[0]), -999);

        // As many pages as the question announced, each a page of the PDF.
        const QString pdfText = QString::fromLatin1(StoreFixture::fileBytes(pdf));
        QVERIFY(pdfText.startsWith(QStringLiteral("%PDF-")));
        QVERIFY(m_prompts.texts().contains(
            QStringLiteral("当前图形需2页纸，纸张的大小和方向可通过打印机属性设置,打印吗？")));
        QCOMPARE(pdfText.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 2);
        const QImage saved(bmp);
        QCOMPARE(QImageReader(bmp).format(), QByteArray("bmp"));
        QCOMPARE(saved.size(), chart.size());
        QCOMPARE(saved.convertToFormat(chart.format()), chart);
    }

    void reportListsTheSavedReadings() {
        m_prompts.clear();
        const QString text = file(QStringLiteral("outdat.txt"));
        const QString book = file(QStringLiteral("报表/测温数据报表.xlsx"));
        m_prompts.choose(text);
        m_prompts.choose(book);
        QStringList lines;
        m_prompts.answerDialog<frmWenduBaobiao>([&](frmWenduBaobiao& w) {
            const auto close = qScopeGuard([&w] { Part<QPushButton>(w, "cmdExit")->click(); });
            auto* list = Part<QListWidget>(w, "List1");
            QTRY_COMPARE(list->count(), 3);
            lines = ListTexts(list);
            Part<QPushButton>(w, "CmdPrn")->click();
            Part<QPushButton>(w, "Cmd2ExcelTab")->click();
            QVERIFY(waitForLongWork(m_main->longWork()));
        });
        m_opened.paths.clear();
        action("MenuGroupTables")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        QCOMPARE(m_prompts.texts().first(), Done);
        QCOMPARE(lines.size(), 3);
        for (int u = 0; u < 2; ++u) {
            QStringList expected{(u ? SecondUpload : FirstUpload).split(' ')};
            expected << QStringLiteral("01");
            for (int k = 1; k <= 3; ++k)
                expected << QString::number(simReading(k, u), 'f', 1);
            for (int k = 4; k <= 8; ++k)
                expected << QStringLiteral("--");
            QCOMPARE(lines[u + 1].split(' ', Qt::SkipEmptyParts), expected);
        }

        const QStringList written =
            QString::fromUtf8(StoreFixture::fileBytes(text)).split(QStringLiteral("\r\n"));
        QCOMPARE(written.mid(2, 3), lines);
        QCOMPARE(m_opened.paths, (QStringList{text, book}));

        const XlsxProbe probe(book);
        QVERIFY2(probe.sheetCount() == 1, qPrintable(probe.error()));
        QCOMPARE(probe.text(0, QStringLiteral("A2")),
                 QStringLiteral("001号站点混凝土测温数据报表"));
        QCOMPARE(probe.sheet(0).value(QStringLiteral("maxRow")).toInt(), 6);
        for (int u = 0; u < 2; ++u) {
            QStringList expected{u ? SecondUpload : FirstUpload, QStringLiteral("1")};
            for (int k = 1; k <= 3; ++k)
                expected << QString::number(simReading(k, u), 'f', 1) + QStringLiteral("℃");
            for (int k = 4; k <= 8; ++k)
                expected << QStringLiteral("---- ");
            QCOMPARE(probe.rowTexts(0, 5 + u, u'J'), expected);
        }
    }

    void exportsTheQueryPane() {
        action("menu_OrderByTimeId")->trigger();
        m_prompts.clear();
        m_opened.paths.clear();
        const QString text = file(QStringLiteral("pane.txt"));
        m_prompts.choose(text);
        action("menu_2Txt")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        const QStringList lines =
            QString::fromUtf8(StoreFixture::fileBytes(text)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2 * LastChannel + 3);
        QCOMPARE(lines[2].split(' ', Qt::SkipEmptyParts),
                 (QStringList{SecondUpload.split(' ')} << "101" << whole(simReading(1, 1))));

        action("menu_2XLS")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        QCOMPARE(m_opened.paths.size(), 2);
        const XlsxProbe probe(m_opened.paths[1]);
        QVERIFY2(probe.sheetCount() == 1, qPrintable(probe.error()));
        QCOMPARE(probe.sheet(0).value(QStringLiteral("maxRow")).toInt(), 2 * LastChannel + 3);
        QCOMPARE(probe.rowTexts(0, 4, u'C'),
                 (QStringList{"时间:" + SecondUpload, "101", whole(simReading(1, 1))}));
        QCOMPARE(probe.rowTexts(0, 4 + LastChannel, u'C'),
                 (QStringList{"时间:" + FirstUpload, "101", whole(simReading(1, 0))}));
    }

    void analysesStationOneFromItsReadings() {
        // Station 0001 holds channels 1, 2 and 3: the top one is its surface, the middle
        // one its core, the last one its bottom. The second upload is the latest.
        const auto figure = [](double v) { return QString::number(v, 'f', 2); };
        QStringList latest;
        int stations = 0;
        const QString sheet = file(QStringLiteral("测温记录表.xlsx"));
        m_prompts.clear();
        m_opened.paths.clear();
        m_prompts.choose(sheet);
        m_prompts.answerDialog<frmWenkongFenxi>([&](frmWenkongFenxi& w) {
            const auto close = qScopeGuard([&w] { w.close(); });
            const QAbstractItemModel* table = Part<QTableView>(w, "tblStations")->model();
            stations = table->rowCount();
            for (int r = 0; r < stations; ++r) {
                if (table->index(r, StationTableModel::Name).data().toString() != "0001")
                    continue;
                for (int c : {0, 1, 2, 5})
                    latest << table->index(r, StationTableModel::FirstFigure + c).data().toString();
            }
            Part<QPushButton>(w, "cmdRecord")->click();
        });
        action("MenuAnalysis")->trigger();
        QVERIFY(waitForLongWork(m_main->longWork()));
        QCOMPARE(stations, LastChannel / 3);
        QCOMPARE(latest, (QStringList{figure(simReading(3, 1)), figure(simReading(2, 1)),
                                      figure(simReading(1, 1)),
                                      figure(simReading(2, 1) - simReading(1, 1))}));

        QCOMPARE(m_opened.paths, QStringList{sheet});
        const XlsxProbe book(sheet);
        QVERIFY2(book.sheetCount() == 1 + LastChannel / 3, qPrintable(book.error()));
        // Summary of station 0001: its hottest reading, its largest core-to-surface
        // difference, and a rise over the first core reading, which stands in for the
        // placing temperature nobody entered.
        const QStringList summary =
            book.rowTexts(0, analysis::RecordSheet::SummaryHeaderRow + 1, u'E');
        QCOMPARE(summary.value(0), QStringLiteral("0001"));
        QCOMPARE(summary.value(1).toDouble(), simReading(3, 1));
        QCOMPARE(summary.value(2).toDouble(), simReading(2, 0) - simReading(1, 0));
        QCOMPARE(summary.value(4).toDouble(), simReading(2, 1) - simReading(2, 0));
    }

    void backupClearAndImportBringTheDataBack() {
        const QString all = QStringLiteral("select 日期时间, 编号, 温度值 from [表1] "
                                           "order by 日期时间, cast(编号 as integer)");
        const QStringList before = rows(all);
        QCOMPARE(before.size(), 2 * LastChannel);
        const QString backup = file(QStringLiteral("backup.mdb"));
        m_prompts.clear();
        m_prompts.choose(backup);
        m_prompts.answer(Answer::Yes); // clear: sure?
        m_prompts.choose(backup);
        int clearedTo = -1;
        m_prompts.answerDialog<FrmDataManage>([&](FrmDataManage& d) {
            const auto close = qScopeGuard([&d] { Part<QPushButton>(d, "CmdExit")->click(); });
            Part<QPushButton>(d, "CmdOut")->click();
            Part<QPushButton>(d, "CmdClearAll")->click();
            clearedTo = static_cast<int>(rows(all).size());
            Part<QPushButton>(d, "CmdIn")->click();
        });
        action("menu_ClearMdb")->trigger();
        QCOMPARE(clearedTo, 0);
        QCOMPARE(StoreFixture::rowsAt(backup, all), before);
        QCOMPARE(rows(all), before);
        QCOMPARE(m_prompts.texts().last(), QStringLiteral("完成！"));
        QCOMPARE(m_prompts.unanswered(), 0);
    }

    void factorySequenceInFactoryMode() {
        m_prompts.clear();
        action("mnuFileClose")->trigger();
        QVERIFY(!m_main->isVisible());
        m_main.reset();
        m_main = start(QStringLiteral("vexil"));
        QVERIFY(m_main);
        QVERIFY(m_main->actions().menu_factory->menuAction()->isVisible());
        connectRecorder();
        QStringList steps;
        m_prompts.answerDialog<FrmAutoOpration>([&steps](FrmAutoOpration& d) {
            QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 60000);
            steps = ListTexts(Part<QListWidget>(d, "List1"));
        });
        m_main->actions().Menu_AutoOperate->trigger();
        QCOMPARE(steps, (QStringList{"得到信息", "清空片内所有数据", "设置序列号", "设置上传时间",
                                     "标定误差", "得到信息"}));
        const QString state = file(QStringLiteral("recorder.state"));
        QCOMPARE(SimRun::stateValue(state, QStringLiteral("power-off-minutes")),
                 QStringLiteral("5"));
        QCOMPARE(SimRun::stateValue(state, QStringLiteral("readings-cleared")),
                 QStringLiteral("yes"));
        QCOMPARE(m_prompts.unanswered(), 0);
    }
};

QTEST_MAIN(TestRoad)
#include "test_road.moc"
