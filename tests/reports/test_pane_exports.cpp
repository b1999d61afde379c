#include "common/LongWork.h"
#include "reports/ui/ReportsController.h"
#include "tests/link/fakes/StepClock.h"
#include "tests/reports/ReportFakes.h"
#include "tests/reports/XlsxProbe.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/LongWorkWait.h"
#include "tests/support/RecordingPanel.h"
#include "tests/support/ScriptedPrompts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using Fill = ReadingsLayout::Fill;

namespace {

const QString Green = QStringLiteral("FF008000");
const QString Blue = QStringLiteral("FF0000FF");
const QString Rule = QString(19, QLatin1Char(' ')) + QString(40, QLatin1Char('-'));

QString textFile(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

// The main window's two exports, driven through the controller as the menu drives them, on
// readings of sensors 1 and 2 at two upload times.
class TestPaneExports : public QObject {
    Q_OBJECT

    StoreFixture m_db;
    // Where workbooks go; apart from the program's folder, as when installed.
    QTemporaryDir m_documents;
    QWidget m_window;
    ScriptedPrompts m_prompts;
    RecordingPanel m_waiting;
    StepClock m_clock;
    LongWork m_work;
    FakeLauncher m_launcher;
    PaneQuery m_pane;
    // What the custom query command puts into the pane.
    PaneQuery m_customPane;
    int m_customQueries = 0;
    ReportsController m_reports{&m_window,
                                m_prompts,
                                m_waiting,
                                m_clock,
                                m_work,
                                m_db.dbPath(),
                                m_db.dir(),
                                m_documents.path(),
                                [this] { return m_pane; },
                                [this] {
                                    ++m_customQueries;
                                    m_pane = m_customPane;
                                },
                                &m_launcher};

    [[nodiscard]] QString exportText(const PaneQuery& pane) {
        m_pane = pane;
        const QString path = m_db.file(QStringLiteral("pane.txt"));
        m_prompts.choose(path);
        m_reports.menu_2Txt_Click();
        if (!waitForLongWork(m_work))
            return {};
        return QString::fromUtf8(StoreFixture::fileBytes(path));
    }

private slots:
    void initTestCase() {
        m_db.create();
        m_db.addReadings({QStringLiteral("2008-04-29 10:00:00|1|20"),
                          QStringLiteral("2008-04-30 14:25:03|1|23.45"),
                          QStringLiteral("2008-04-29 10:00:00|2|21"),
                          QStringLiteral("2008-04-30 14:25:03|2|E1")});
    }
    void init() {
        m_prompts.clear();
        m_waiting = RecordingPanel();
        m_launcher = FakeLauncher();
        m_customQueries = 0;
        m_customPane = PaneQuery();
    }

    void textExportOfTheSensorFirstView() {
        const QString text = exportText({ReadingsLayout::of(Fill::BySensorThenTime), {}});
        QCOMPARE(m_prompts.asked().first().title, QStringLiteral("保存为："));
        QCOMPARE(m_prompts.asked().first().text, QStringLiteral("所有文件 (*.txt)"));
        const QString pad(19, QLatin1Char(' '));
        QCOMPARE(text, textFile({pad + QStringLiteral("编号      日期和时间          温度值"), Rule,
                                 pad + QStringLiteral("001       2008-04-30 14:25:03 023"),
                                 pad + QStringLiteral("          2008-04-29 10:00:00 020"),
                                 pad + QStringLiteral("002       2008-04-30 14:25:03 E1"),
                                 pad + QStringLiteral("          2008-04-29 10:00:00 021")}));
        QCOMPARE(m_launcher.texts, QStringList{m_db.file(QStringLiteral("pane.txt"))});
        QVERIFY(!m_waiting.visible);
    }

    void anEmptyViewGivesItsHeadsOnly() {
        const QString text = exportText(
            {ReadingsLayout::forQuery(QStringLiteral("编号")),
             QStringLiteral("select * from [表1] Where val(编号)>= 7 and val(编号)<= 7 order by "
                            "val(编号) asc,[日期时间] asc")});
        QCOMPARE(text.split(QStringLiteral("\r\n")).size(), 3);
        QVERIFY(text.endsWith(Rule + QStringLiteral("\r\n")));
    }

    void aPaneWithoutHeaderRunsTheCustomQueryFirst() {
        m_customPane = {ReadingsLayout::of(Fill::UploadTimes), {}};
        const QString text = exportText(PaneQuery());
        QCOMPARE(m_customQueries, 1);
        QCOMPARE(text.split(QStringLiteral("\r\n")).mid(2),
                 (QStringList{QString(19, QLatin1Char(' ')) + QStringLiteral("2008-04-30 14:25:03"),
                              QString(19, QLatin1Char(' ')) + QStringLiteral("2008-04-29 10:00:00"),
                              QString()}));

        // The custom query cancelled: nothing is asked and nothing written.
        m_prompts.clear();
        m_customPane = PaneQuery();
        m_pane = PaneQuery();
        m_reports.menu_2XLS_Click();
        m_reports.menu_2Txt_Click();
        QCOMPARE(m_customQueries, 3);
        QVERIFY(m_prompts.asked().isEmpty());
        QVERIFY(m_launcher.workbooks.isEmpty());
    }

    void workbookExportOfBothLayouts() {
        m_pane = {ReadingsLayout::of(Fill::BySensorThenTime), {}};
        m_reports.menu_2XLS_Click();
        // One export at a time: the second waits for the first to be told.
        m_reports.menu_2XLS_Click();
        m_reports.menu_2Txt_Click();
        QCOMPARE(m_prompts.asked().size(), 0);
        QVERIFY(waitForLongWork(m_work));
        m_pane = {ReadingsLayout::of(Fill::ByTimeThenSensor), {}};
        m_reports.menu_2XLS_Click();
        QVERIFY(waitForLongWork(m_work));
        QCOMPARE(m_launcher.workbooks.size(), 2);
        QVERIFY(m_launcher.workbooks[0] != m_launcher.workbooks[1]);
        for (const QString& path : m_launcher.workbooks) {
            QCOMPARE(QFileInfo(path).absolutePath(), QDir(m_documents.path()).filePath("报表"));
            QVERIFY(QFileInfo(path).fileName().endsWith(QStringLiteral(".xlsx")));
        }

        const XlsxProbe bySensor(m_launcher.workbooks[0]);
        QVERIFY2(bySensor.sheetCount() == 1, qPrintable(bySensor.error()));
        QCOMPARE(bySensor.rowTexts(0, 3, u'C'),
                 (QStringList{QStringLiteral("编号"), QStringLiteral("日期和时间"),
                              QStringLiteral("温度值")}));
        QCOMPARE(bySensor.rowTexts(0, 4, u'C'),
                 (QStringList{QStringLiteral("001"), QStringLiteral("时间:2008-04-30 14:25:03"),
                              QStringLiteral("023")}));
        QCOMPARE(bySensor.rowTexts(0, 7, u'C'),
                 (QStringList{QString(), QStringLiteral("时间:2008-04-29 10:00:00"),
                              QStringLiteral("021")}));
        QCOMPARE(bySensor.width(0, QStringLiteral("A")), 5.7109375);
        QCOMPARE(bySensor.width(0, QStringLiteral("B")), 20.7109375);
        QCOMPARE(bySensor.width(0, QStringLiteral("C")), 7.7109375);
        QStringList colours;
        for (int r = 4; r <= 7; ++r)
            colours.append(bySensor.cell(0, QStringLiteral("A%1").arg(r))
                               .value(QStringLiteral("colour"))
                               .toString());
        QCOMPARE(colours, (QStringList{Green, Green, Blue, Blue}));

        const XlsxProbe byTime(m_launcher.workbooks[1]);
        QCOMPARE(byTime.rowTexts(0, 4, u'C'),
                 (QStringList{QStringLiteral("时间:2008-04-30 14:25:03"), QStringLiteral("001"),
                              QStringLiteral("023")}));
        QCOMPARE(byTime.rowTexts(0, 5, u'C'),
                 (QStringList{QString(), QStringLiteral("002"), QStringLiteral("E1")}));
        QCOMPARE(byTime.width(0, QStringLiteral("A")), 20.7109375);
        QCOMPARE(byTime.width(0, QStringLiteral("B")), 5.7109375);
    }

    void largeViewsShowWholePercentagesAndWriteEveryRow() {
        StoreFixture big;
        big.create();
        QStringList rows;
        for (int n = 1; n <= 999; ++n)
            rows.append(QStringLiteral("2008-04-30 14:25:03|%1|20").arg(n));
        big.addReadings(rows);
        ReportsController reports(
            &m_window, m_prompts, m_waiting, m_clock, m_work, big.dbPath(), big.dir(), big.dir(),
            [] {
                return PaneQuery{ReadingsLayout::of(Fill::ByTimeThenSensor), {}};
            },
            [] {}, &m_launcher);
        m_launcher.opens = false;
        reports.menu_2XLS_Click();
        QVERIFY(waitForLongWork(m_work));

        QCOMPARE(m_waiting.texts.first(), ReportsController::WaitingText);
        QCOMPARE(m_waiting.texts.last(), ReportsController::WaitingText + QStringLiteral("100%"));
        static const QRegularExpression percent(
            QStringLiteral("^正在建立报表，请稍等\\.\\.\\.\\.(\\d+)%$"));
        for (const QString& t : m_waiting.texts.mid(1))
            QVERIFY2(percent.match(t).hasMatch(), qPrintable(t));
        QVERIFY(!m_waiting.visible);
        const XlsxProbe book(m_launcher.workbooks.first());
        QCOMPARE(book.sheet(0).value(QStringLiteral("maxRow")).toInt(), 999 + 3);
        QCOMPARE(m_prompts.texts().last(),
                 QStringLiteral("您的系统中没有安装Ms Excel软件，输出被中断！\n文件已保存到：") +
                     QDir::toNativeSeparators(m_launcher.workbooks.first()));
    }

    void aFolderThatCannotBeMadeStopsTheWorkbook() {
        StoreFixture other;
        other.create();
        QFile blocker(other.file(QStringLiteral("报表")));
        QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder would go
        blocker.close();
        ReportsController reports(
            &m_window, m_prompts, m_waiting, m_clock, m_work, other.dbPath(), other.dir(),
            other.dir(),
            [] {
                return PaneQuery{ReadingsLayout::of(Fill::UploadTimes), {}};
            },
            [] {}, &m_launcher);
        reports.menu_2XLS_Click();
        QCOMPARE(m_prompts.texts(), QStringList{QStringLiteral("文件夹无法建立：") +
                                                QDir::toNativeSeparators(blocker.fileName())});
        QVERIFY(m_launcher.workbooks.isEmpty());
    }
};

QTEST_MAIN(TestPaneExports)
#include "test_pane_exports.moc"
