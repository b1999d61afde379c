#include "common/LongWork.h"
#include "common/ui/frmRiLi.h"
#include "reports/StationReport.h"
#include "reports/ui/frmWenduBaobiao.h"
#include "tests/link/fakes/StepClock.h"
#include "tests/reports/ReportFakes.h"
#include "tests/reports/StationFixture.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TmpfsMount.h"
#include "tests/support/WindowParts.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString NoWorkbook = QStringLiteral("您的系统中没有安装Ms Excel软件，输出被中断！");
const QString NoData = QStringLiteral("该站点在设定的时间段内尚无数据！");

} // namespace

// The report window on a database of three stations, the clock standing on 30 April 2008.
class TestStationReport : public QObject {
    Q_OBJECT

    StationFixture m_db;
    // Where the outputs are proposed; apart from the program's folder, as when installed.
    QTemporaryDir m_documents;
    ScriptedPrompts m_prompts;
    StepClock m_clock{QDateTime(QDate(2008, 4, 30), QTime(15, 0, 0))};
    LongWork m_work;
    FakeLauncher m_launcher;

    std::unique_ptr<frmWenduBaobiao> window(const QString& dbPath, const QString& programFolder,
                                            const QString& documents) {
        return std::make_unique<frmWenduBaobiao>(m_prompts, m_clock, m_work, m_launcher, dbPath,
                                                 programFolder, documents);
    }

    // The window opened as the main window opens it, once its first fill has run.
    std::unique_ptr<frmWenduBaobiao> opened() {
        auto w = window(m_db.dbPath(), m_db.dir(), m_documents.path());
        w->show();
        // The caller sees an empty list if the first fill never comes.
        (void)QTest::qWaitFor([&w] { return list(*w)->count() > 0; });
        return w;
    }

    static QListWidget* list(const frmWenduBaobiao& w) { return Part<QListWidget>(w, "List1"); }
    static QLineEdit* box(const frmWenduBaobiao& w, const char* name) {
        return Part<QLineEdit>(w, name);
    }
    static void click(const frmWenduBaobiao& w, const char* button) {
        Part<QPushButton>(w, button)->click();
    }

    void choose(frmWenduBaobiao& w, const QString& station) {
        Part<QComboBox>(w, "Combo1")->setEditText(station);
        click(w, "Cmd_刷新");
    }

    // Starts the workbook export and waits until it has been told.
    void exportWorkbook(frmWenduBaobiao& w) {
        click(w, "Cmd2ExcelTab");
        QVERIFY(waitForLongWork(m_work));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_db.addGroups({QStringLiteral("0001"), QStringLiteral("0002"), QStringLiteral("0123")});
        m_db.addStations({
            QStringLiteral("20080430120000|0001|20.5,21,201,23.456,255,200,-1.5,202"),
            QStringLiteral("20080420080000|0001|22,22,22,22,22,22,22,22"),
            QStringLiteral("20080401080000|0001|19,19,19,19,19,19,19,19"),
            QStringLiteral("20080425080000|0002|30,30,30,30,30,30,30,30"),
            QStringLiteral("20080425080000|0123|31,31,31,31,31,31,31,31"),
        });
        QFile::copy(QStringLiteral(REPORT_TEMPLATE),
                    QDir(m_db.dir()).filePath(frmWenduBaobiao::TemplateName));
    }
    void init() {
        m_prompts.clear();
        m_launcher = FakeLauncher();
    }

    void opensOnTheLastTwentyDaysAndFillsStationOneAfterASecond() {
        const auto owned = window(m_db.dbPath(), m_db.dir(), m_documents.path());
        frmWenduBaobiao& w = *owned;
        QCOMPARE(w.objectName(), QStringLiteral("frm温度报表"));
        QCOMPARE(PartAt<QLabel>(w, "Label1", 0)->text(), QStringLiteral("2008-04-10"));
        QCOMPARE(PartAt<QLabel>(w, "Label1", 1)->text(), QStringLiteral("2008-04-30"));
        auto* stations = Part<QComboBox>(w, "Combo1");
        QCOMPARE(stations->currentText(), QStringLiteral("0001"));
        QStringList items;
        for (int i = 0; i < stations->count(); ++i)
            items.append(stations->itemText(i));
        QCOMPARE(items, (QStringList{QStringLiteral("0001"), QStringLiteral("0002"),
                                     QStringLiteral("0123"), QStringLiteral("2000-所有")}));
        QCOMPARE(list(w)->count(), 0);
        w.show();
        QTRY_COMPARE(list(w)->count(), 3);
        const QStringList lines = ListTexts(list(w));
        QCOMPARE(lines[0], StationReport::ListHeader);
        QCOMPARE(lines[0].size(), 66);
        QVERIFY(lines[1].startsWith(QStringLiteral("2008-04-20 08:00:00         01     22.0")));
        QCOMPARE(lines[2],
                 QStringLiteral("2008-04-30 12:00:00         01     20.5     21.0     故障     "
                                "23.5      --      (\?\?)     -01.5      -- "));
        QCOMPARE(box(w, "Text1")->text(), QStringLiteral("该站点在设定的时间段内有数据存在！"));
        QVERIFY(box(w, "Text2")->isHidden());
    }

    void aStationWithoutRecordsListsTheHeaderOnly() {
        auto w = opened();
        choose(*w, QStringLiteral("0009"));
        QCOMPARE(ListTexts(list(*w)), QStringList{StationReport::ListHeader});
        QCOMPARE(box(*w, "Text1")->text(), NoData);
    }

    // The lines count a Chinese character as two letters; the list's font must draw them so,
    // or the headings drift away from their figures.
    void theListKeepsHeadingsOverTheirFigures() {
        auto w = opened();
        const QFontMetrics metrics(list(*w)->font());
        QCOMPARE(metrics.horizontalAdvance(QStringLiteral("传感器1")),
                 metrics.horizontalAdvance(QStringLiteral("1234567")));
    }

    void theCalendarSetsTheStartDateAndRefreshes() {
        auto w = opened();
        m_prompts.answerDialog<frmRiLi>([](frmRiLi& picker) {
            QCOMPARE(picker.windowTitle(), QStringLiteral("图形开始日期设定："));
            QCOMPARE(picker.Label2->text(), QStringLiteral("图形开始日期设定于："));
            QCOMPARE(picker.Calendar1->selectedDate(), QDate(2008, 4, 10));
            picker.Calendar1->setSelectedDate(QDate(2008, 3, 31));
            emit picker.Calendar1->clicked(QDate(2008, 3, 31));
            picker.cmdOK->click();
        });
        QTest::mouseClick(PartAt<QLabel>(*w, "Label1", 0), Qt::LeftButton);
        QCOMPARE(PartAt<QLabel>(*w, "Label1", 0)->text(), QStringLiteral("2008-03-31"));
        QCOMPARE(list(*w)->count(), 4);
    }

    void textExportCentresTheTitleOverTheList_data() {
        QTest::addColumn<QString>("station");
        QTest::addColumn<int>("indent");
        QTest::addColumn<QString>("title");
        QTest::newRow("station 1") << "0001" << 25 << "01#站点 大体积砼电脑测温数据";
        QTest::newRow("station 123") << "0123" << 24 << "123#站点 大体积砼电脑测温数据";
    }
    void textExportCentresTheTitleOverTheList() {
        QFETCH(QString, station);
        QFETCH(int, indent);
        QFETCH(QString, title);
        auto w = opened();
        choose(*w, station);
        const QString path = m_db.file(QStringLiteral("outdat"));
        m_prompts.choose(path);
        click(*w, "CmdPrn");
        QCOMPARE(m_prompts.asked().first().title, QStringLiteral("输出数据到文本文件："));
        QCOMPARE(m_prompts.asked().first().startPath,
                 QDir(m_documents.path()).filePath("outdat.txt"));
        QCOMPARE(m_launcher.texts, QStringList{path + QStringLiteral(".txt")});

        QStringList expected{QString(indent, QLatin1Char(' ')) + title, QString()};
        expected += ListTexts(list(*w));
        QCOMPARE(StoreFixture::fileBytes(path + QStringLiteral(".txt")),
                 (expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    void aTextFileThatCannotBeWrittenIsReported() {
        auto w = opened();
        m_prompts.choose(m_db.file(QStringLiteral("no/such/folder/out.txt")));
        click(*w, "CmdPrn");
        QVERIFY(m_prompts.texts().last().startsWith(QStringLiteral("文件无法写入：")));
        QVERIFY(m_launcher.texts.isEmpty());
    }

    void workbookExportFillsTheTemplateAndOpensIt() {
        auto w = opened();
        const QString target =
            QDir(m_documents.path()).filePath(QStringLiteral("报表/station.xlsx"));
        m_prompts.choose(target);
        QString progressAtOpen;
        m_launcher.opens = false;
        m_launcher.onOpen = [&] { progressAtOpen = box(*w, "Text2")->text(); };
        click(*w, "Cmd2ExcelTab");
        // While it is written the window stays, and neither a second export nor a refresh
        // starts.
        QVERIFY(m_work.busy());
        QVERIFY(!w->close());
        QTest::keyClick(w.get(), Qt::Key_Escape);
        click(*w, "Cmd2ExcelTab");
        choose(*w, QStringLiteral("0009"));
        QVERIFY(waitForLongWork(m_work));
        QVERIFY(w->isVisible());
        QCOMPARE(m_prompts.asked().size(), 2);

        const ScriptedPrompts::Question& save = m_prompts.asked().first();
        QCOMPARE(save.title, QStringLiteral("输出数据到Excel文件："));
        QCOMPARE(save.text, QStringLiteral("*.xlsx (*.xlsx)"));
        QCOMPARE(save.startPath, QDir(m_documents.path()).filePath("报表/测温数据报表.xlsx"));
        QCOMPARE(m_launcher.workbooks, QStringList{target});
        QCOMPARE(progressAtOpen, QStringLiteral("进度：1000‰"));
        QCOMPARE(m_prompts.texts().last(), NoWorkbook + QStringLiteral("\n文件已保存到：") +
                                               QDir::toNativeSeparators(target));
        QVERIFY(box(*w, "Text2")->isHidden());

        const XlsxProbe book(target);
        QCOMPARE(book.text(0, QStringLiteral("A2")), QStringLiteral("001号站点混凝土测温数据报表"));
        QCOMPARE(book.text(0, QStringLiteral("F6")), QStringLiteral("23.5℃"));
        QVERIFY(book.text(0, QStringLiteral("A7")).isEmpty());
    }

    void workbookExportWithoutRecordsWritesNothing() {
        auto w = opened();
        choose(*w, QStringLiteral("0009"));
        const QString target = m_db.file(QStringLiteral("empty.xlsx"));
        m_prompts.choose(target);
        exportWorkbook(*w);
        QCOMPARE(m_prompts.texts().last(), NoData);
        QVERIFY(!QFile::exists(target));
        QVERIFY(m_launcher.workbooks.isEmpty());
    }

    void aMissingTemplateStopsTheExportAndACancelWritesNothing() {
        StationFixture bare; // a program folder without the template
        bare.addStations({QStringLiteral("20080430120000|0001|22,22,22,22,22,22,22,22")});
        const auto w = window(bare.dbPath(), bare.dir(), bare.dir());
        const QString target = bare.file(QStringLiteral("报表/测温数据报表.xlsx"));
        m_prompts.choose(target);
        exportWorkbook(*w);
        QCOMPARE(m_prompts.texts().last(),
                 QStringLiteral("报表模板文件不存在：") +
                     QDir::toNativeSeparators(bare.file(frmWenduBaobiao::TemplateName)));
        QVERIFY(!QFile::exists(target));

        m_prompts.clear();
        click(*w, "Cmd2ExcelTab"); // no path scripted: the dialog is cancelled
        QVERIFY(!m_work.busy());
        QCOMPARE(m_prompts.asked().size(), 1);
        QVERIFY(QDir(bare.file(QStringLiteral("报表"))).exists());
        QVERIFY(QDir(bare.file(QStringLiteral("报表"))).isEmpty());
    }

    void workbookFailuresNameTheirCause_data() {
        QTest::addColumn<QString>("failure");
        QTest::newRow("template is no workbook") << "template";
        QTest::newRow("folder missing") << "missing";
        QTest::newRow("folder read-only") << "read-only";
    }
    void workbookFailuresNameTheirCause() {
        QFETCH(QString, failure);
        StationFixture program;
        program.addStations({QStringLiteral("20080430120000|0001|22,22,22,22,22,22,22,22")});
        const QString templatePath = program.file(frmWenduBaobiao::TemplateName);
        QVERIFY(QFile::copy(QStringLiteral(REPORT_TEMPLATE), templatePath));
        const TmpfsMount readOnly(64, TmpfsMount::Access::ReadOnly);
        QString folder = program.dir();
        QString cause;
        if (failure == QLatin1String("template")) {
            QFile broken(templatePath);
            QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("no workbook") > 0);
        } else if (failure == QLatin1String("missing")) {
            folder = program.file(QStringLiteral("gone"));
            cause = QStringLiteral("文件夹不存在：");
        } else {
            if (!readOnly.mounted())
                QSKIP(qPrintable(readOnly.why()));
            folder = readOnly.path();
            cause = QStringLiteral("文件夹是只读的：");
        }
        const QString target = QDir(folder).filePath(QStringLiteral("report.xlsx"));
        const auto w = window(program.dbPath(), program.dir(), program.dir());
        m_prompts.choose(target);
        exportWorkbook(*w);
        QCOMPARE(m_prompts.texts().last(),
                 cause.isEmpty()
                     ? QStringLiteral("报表模板文件不是Excel工作簿：") +
                           QDir::toNativeSeparators(templatePath)
                     : QStringLiteral("文件无法写入：") + QDir::toNativeSeparators(target) +
                           QLatin1Char('\n') + cause + QDir::toNativeSeparators(folder));
        QVERIFY(!QFile::exists(target));
    }
};

QTEST_MAIN(TestStationReport)
#include "test_station_report.moc"
