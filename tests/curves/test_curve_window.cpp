#include "common/Clock.h"
#include "common/Module1.h"
#include "common/ui/frmRiLi.h"
#include "curves/MyFunctions.h"
#include "curves/ui/ChartPicture.h"
#include "curves/ui/CurvesController.h"
#include "curves/ui/frmWenduQuxian.h"
#include "store/StoreDb.h"
#include "tests/store/StationRecordRows.h"
#include "tests/store/StoreFixture.h"
#include "tests/support/ScriptedPrompts.h"

#include <QAbstractTextDocumentLayout>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

namespace {

const QString Initial = QStringLiteral("操作结果：\n");
const QString Filter = QStringLiteral("图形文件(*.bmp)");

int pdfPages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(f.readAll()).count(page));
}

} // namespace

class TestCurveWindow : public QObject {
    Q_OBJECT

    StoreFixture m_store;
    ScriptedPrompts m_prompts;
    // Runs 50 times faster than real time from 2008-04-30 10:00, so the first draw comes
    // after 20 ms.
    ScaledClock m_clock{50.0, QDateTime(QDate(2008, 4, 30), QTime(10, 0))};

    // The window over the fixture's database, 800 pixels wide so its frame is narrower
    // than a two-day picture, with the first draw done.
    void openAndDraw(frmWenduQuxian& w) {
        w.show();
        w.resize(800, 700);
        QTRY_COMPARE(w.Text1->toPlainText(), MyFunctions::HasDataText);
    }

private slots:
    void initTestCase() {
        m_store.create();
        StoreDb db(m_store.dbPath());
        QVERIFY(db.openDatabase().ok());
        for (const char* name : {"0001", "0002"})
            QVERIFY(db.exec(QStringLiteral("insert into [分组定义]([组名]) values (?)"),
                            {QString::fromLatin1(name)})
                        .ok());
        db.close();
        AddStationRows(m_store.dbPath(), {"2008-04-29 09:00:00|0001|" + Everywhere("20"),
                                          "2008-04-30 09:00:00|0001|" + Everywhere("30")});
    }

    void init() { m_prompts.clear(); }

    void opensOnYesterdayAndTodayAndDrawsAfterASecond() {
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        QCOMPARE(w.objectName(), QStringLiteral("frm温度曲线"));
        QCOMPARE(w.Label1[0]->text(), QStringLiteral("2008-04-29"));
        QCOMPARE(w.Label1[1]->text(), QStringLiteral("2008-04-30"));
        QCOMPARE(w.Combo1->count(), 2);
        QCOMPARE(w.Combo1->itemText(1), QStringLiteral("0002"));
        QCOMPARE(w.Combo1->currentText(), QStringLiteral("0001"));
        QCOMPARE(w.Text1->toPlainText(), Initial);
        QCOMPARE(w.pictureWidth(), 23200);

        openAndDraw(w);
        // The message fits the status box on one line, "存在" not split.
        const QTextBlock message = w.Text1->document()->firstBlock();
        w.Text1->document()->documentLayout()->blockBoundingRect(message);
        QCOMPARE(message.layout()->lineCount(), 1);
        QCOMPARE(w.pictureWidth(), 13800);
        QCOMPARE(chart.LastDataX, 4000 + 100 * (48 + 18));
        QCOMPARE(w.HScroll1->maximum(), 1);
        // The newest data lies in the second day: the picture shows its right end.
        QCOMPARE(w.HScroll1->value(), 1);
        QCOMPARE(w.pictureLeft(), w.frameWidth() - w.pictureWidth());
        QCOMPARE(m_prompts.asked().size(), 0);
    }

    void dateButtonsMoveTheRangeWithoutRedrawing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::newRow("earlier") << "cmdMoveLeft"
                                 << "2008-04-09"
                                 << "2008-04-10";
        QTest::newRow("later") << "cmdMoveright"
                               << "2008-04-11"
                               << "2008-04-12";
        QTest::newRow("today") << "cmdToday"
                               << "2008-04-29"
                               << "2008-04-30";
    }
    void dateButtonsMoveTheRangeWithoutRedrawing() {
        QFETCH(QString, button);
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        w.Timer1->stop();
        w.Label1[0]->setText(QStringLiteral("2008-04-10"));
        w.Label1[1]->setText(QStringLiteral("2008-04-11"));
        w.findChild<QPushButton*>(button)->click();
        QTEST(w.Label1[0]->text(), "start");
        QTEST(w.Label1[1]->text(), "end");
        QCOMPARE(w.Text1->toPlainText(), Initial);
    }

    void pickerSetsThePairedDateAndRedraws_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QDate>("picked");
        QTest::addColumn<QString>("title");
        QTest::newRow("start") << 0 << QDate(2008, 4, 29) << "图形开始日期设定：";
        QTest::newRow("end") << 1 << QDate(2008, 4, 30) << "图形结束日期设定：";
    }
    void pickerSetsThePairedDateAndRedraws() {
        QFETCH(int, index);
        QFETCH(QDate, picked);
        QFETCH(QString, title);
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        w.Timer1->stop();
        w.show();
        w.Label1[0]->setText(QStringLiteral("2008-04-10"));
        w.Label1[1]->setText(QStringLiteral("2008-04-11"));
        QString shownTitle;
        QString shownDate;
        m_prompts.answerDialog<frmRiLi>([&](frmRiLi& picker) {
            shownTitle = picker.windowTitle();
            shownDate = picker.Label1->text();
            picker.Calendar1->setSelectedDate(picked);
            emit picker.Calendar1->clicked(picked);
            picker.cmdOK->click();
        });
        QTest::mouseClick(w.Label1[index], Qt::LeftButton);
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownDate,
                 index == 0 ? QStringLiteral("2008-04-10") : QStringLiteral("2008-04-11"));
        QCOMPARE(w.Label1[0]->text(), QStringLiteral("2008-04-29"));
        QCOMPARE(w.Label1[1]->text(), QStringLiteral("2008-04-30"));
        QCOMPARE(w.Text1->toPlainText(), MyFunctions::HasDataText);
    }

    void stationNumbersOutsideTheRangeAreRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("status");
        QTest::newRow("above 16 bits") << "32768" << true << Initial;
        QTest::newRow("zero") << "0" << true << Initial;
        QTest::newRow("not a number") << "abc" << true << Initial;
        QTest::newRow("largest") << "32767" << false << MyFunctions::NoDataText;
        QTest::newRow("rounds to 1") << "0.5001" << false << MyFunctions::HasDataText;
    }
    void stationNumbersOutsideTheRangeAreRefused() {
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        w.Timer1->stop();
        w.Combo1->setEditText(typed);
        w.Cmd_Shuaxin->click();
        QTEST(w.Text1->toPlainText(), "status");
        if (refused) {
            QCOMPARE(m_prompts.texts(),
                     QStringList{QStringLiteral("站点编号必须在 1 到 32767 之间！")});
            QCOMPARE(m_prompts.asked().first().title, QStringLiteral("提示："));
        } else {
            QCOMPARE(m_prompts.asked().size(), 0);
        }
    }

    void printsEveryStripIntoOnePdf_data() {
        QTest::addColumn<bool>("halfWidth");
        QTest::addColumn<Prompts::Answer>("answer");
        QTest::addColumn<int>("pages");
        QTest::newRow("full scale") << false << Prompts::Answer::Yes << 2;
        QTest::newRow("half width") << true << Prompts::Answer::Yes << 1;
        QTest::newRow("declined") << false << Prompts::Answer::No << 2;
    }
    void printsEveryStripIntoOnePdf() {
        QFETCH(bool, halfWidth);
        QFETCH(Prompts::Answer, answer);
        QFETCH(int, pages);
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        openAndDraw(w);
        const QString pdf = m_store.file(QStringLiteral("chart.pdf"));
        QFile::remove(pdf);
        m_prompts.choosePrinter([pdf](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
        });
        m_prompts.answer(answer);
        (halfWidth ? w.cmdPrnHalf : w.CmdPrn)->click();
        QCOMPARE(m_prompts.asked().first().title, QStringLiteral("图形打印："));
        QCOMPARE(m_prompts.asked().last().text,
                 QStringLiteral("当前图形需%1页纸，纸张的大小和方向可通过打印机属性设置,打印吗？")
                     .arg(pages));
        QCOMPARE(pdfPages(pdf), answer == Prompts::Answer::Yes ? pages : -1);
    }

    void savesTheBitmapAskingBeforeOverwriting() {
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        openAndDraw(w);
        const QString chosen = m_store.file(QStringLiteral("chart"));
        const QString written = chosen + QStringLiteral(".bmp");
        QFile::remove(written);
        m_prompts.choose(chosen);
        w.cmd2Bmp->click();
        QCOMPARE(m_prompts.texts(), (QStringList{Filter, QStringLiteral("输出图片文件成功")}));
        QCOMPARE(m_prompts.asked().first().title, QStringLiteral("请输入图片文件名称："));
        QCOMPARE(m_prompts.asked().last().title, Module1::AppTitle);
        QImageReader reader(written);
        QCOMPARE(reader.format(), QByteArray("bmp"));
        QCOMPARE(reader.size(), w.Picture1->image().size());

        // Answering No to the overwrite question opens the chooser again.
        m_prompts.clear();
        m_prompts.choose(chosen);
        m_prompts.answer(Prompts::Answer::No);
        m_prompts.choose(written);
        m_prompts.answer(Prompts::Answer::Yes);
        w.cmd2Bmp->click();
        QCOMPARE(m_prompts.texts(), (QStringList{Filter, QStringLiteral("是否覆盖原有文件？"),
                                                 Filter, QStringLiteral("是否覆盖原有文件？"),
                                                 QStringLiteral("输出图片文件成功")}));

        m_prompts.clear();
        const QString unwritable = m_store.file(QStringLiteral("missing/chart.bmp"));
        m_prompts.choose(unwritable);
        w.cmd2Bmp->click();
        QCOMPARE(m_prompts.texts(),
                 (QStringList{Filter, QStringLiteral("图片文件写入失败：") + unwritable}));
    }

    void draggingAndScrollingStayWithinTheFrame() {
        MyFunctions chart(m_store.dbPath());
        frmWenduQuxian w(chart, m_prompts, m_clock);
        openAndDraw(w);
        const qint32 leftmost = w.frameWidth() - w.pictureWidth();
        QTest::mousePress(w.Picture1, Qt::LeftButton, {}, QPoint(400, 100));
        QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, QPoint(700, 100));
        QCOMPARE(w.pictureLeft(), 0);
        QTest::mousePress(w.Picture1, Qt::LeftButton, {}, QPoint(700, 100));
        QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, QPoint(660, 100));
        QCOMPARE(w.pictureLeft(), -600);
        QTest::mousePress(w.Picture1, Qt::RightButton, {}, QPoint(700, 100));
        QTest::mouseRelease(w.Picture1, Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(w.pictureLeft(), -600);
        QTest::mousePress(w.Picture1, Qt::LeftButton, {}, QPoint(700, 100));
        QTest::mouseRelease(w.Picture1, Qt::LeftButton, {}, QPoint(0, 100));
        QCOMPARE(w.pictureLeft(), leftmost);
        w.HScroll1->setValue(0);
        QCOMPARE(w.pictureLeft(), 0);
    }

    void controllerShowsTheWindowModally() {
        CurvesController controller(nullptr, m_prompts, m_clock, m_store.dbPath());
        QString shown;
        m_prompts.answerDialog<frmWenduQuxian>([&shown](frmWenduQuxian& w) {
            shown = w.objectName();
            w.cmdExit->click();
        });
        controller.MenuDraw_Click();
        QCOMPARE(shown, QStringLiteral("frm温度曲线"));
    }
};

QTEST_MAIN(TestCurveWindow)
#include "test_curve_window.moc"
