#include "common/CheckedSaveFile.h"
#include "reports/FirstWorksheet.h"
#include "reports/PaneExport.h"
#include "reports/StationQuery.h"
#include "reports/StationWorkbook.h"
#include "reports/TemplateSheet.h"
#include "reports/XlsxBook.h"
#include "reports/ZipArchive.h"
#include "tests/reports/StationFixture.h"
#include "tests/reports/XlsxProbe.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTest>

namespace {

const QString Green = QStringLiteral("FF008000");
const QString Blue = QStringLiteral("FF0000FF");

const QStringList Records{
    QStringLiteral("20080429100000|0007|20.5,21,201,23.456,255,200,-1.5,202"),
    QStringLiteral("20080430120000|0007|22,22,22,22,22,22,22,22"),
    QStringLiteral("20080430120000|0008|1,1,1,1,1,1,1,1"),
};

} // namespace

class TestSpreadsheetFiles : public QObject {
    Q_OBJECT

    StationFixture m_db;

private slots:
    void initTestCase() {
        // Dates in the sheet follow the system's short form; this one is unmistakable.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        m_db.addStations(Records);
    }

    void templatesKeepTheirFormattingWhenFilled_data() {
        QTest::addColumn<bool>("foreign");
        QTest::newRow("this program's template") << false;
        QTest::newRow("another program's template") << true;
    }
    void templatesKeepTheirFormattingWhenFilled() {
        QFETCH(bool, foreign);
        QString templatePath = QStringLiteral(REPORT_TEMPLATE);
        if (foreign) {
            templatePath = m_db.file(QStringLiteral("foreign.xlsx_"));
            QVERIFY(XlsxProbe::makeForeignTemplate(templatePath));
        }
        const QString target = m_db.file(QStringLiteral("report.xlsx"));
        qint64 lastDone = -1;
        const ExportResult result = StationWorkbook::write(
            m_db.dbPath(), templatePath, target, {7, QDate(2008, 4, 10), QDate(2008, 4, 30)},
            [&](qint64 done, qint64 total) {
                QCOMPARE(total, 2);
                lastDone = done;
            });
        QCOMPARE(result.kind, ExportResult::Kind::Written);
        QCOMPARE(lastDone, 2);

        const XlsxProbe book(target);
        QVERIFY2(book.sheetCount() > 0, qPrintable(book.error()));
        QCOMPARE(book.text(0, QStringLiteral("A2")), QStringLiteral("007号站点混凝土测温数据报表"));
        QCOMPARE(book.text(0, QStringLiteral("G3")), QStringLiteral("日期范围："));
        QCOMPARE(book.text(0, QStringLiteral("H3")), QStringLiteral("10.04.08～30.04.08"));
        QCOMPARE(book.rowTexts(0, 4, u'J'),
                 (QStringList{QStringLiteral("数据接收时间"), QStringLiteral("站点号"),
                              QStringLiteral("1#传感器"), QStringLiteral("2#传感器"),
                              QStringLiteral("3#传感器"), QStringLiteral("4#传感器"),
                              QStringLiteral("5#传感器"), QStringLiteral("6#传感器"),
                              QStringLiteral("7#传感器"), QStringLiteral("8#传感器")}));
        QCOMPARE(book.rowTexts(0, 5, u'J'),
                 (QStringList{QStringLiteral("2008-04-29 10:00:00"), QStringLiteral("7"),
                              QStringLiteral("20.5℃"), QStringLiteral("21.0℃"),
                              QStringLiteral("故障 "), QStringLiteral("23.5℃"),
                              QStringLiteral("---- "), QStringLiteral("(\?\?) "),
                              QStringLiteral("-01.5℃"), QStringLiteral("---- ")}));
        QCOMPARE(book.text(0, QStringLiteral("A6")), QStringLiteral("2008-04-30 12:00:00"));
        QCOMPARE(book.text(0, QStringLiteral("J6")), QStringLiteral("22.0℃"));
        QVERIFY(book.text(0, QStringLiteral("A7")).isEmpty());
        // Every cell a text, as the report writes them.
        QVERIFY(book.cell(0, QStringLiteral("B5")).value(QStringLiteral("value")).isString());

        // The template's own look: header style, the data rows styled like row 5, merges.
        QVERIFY(book.cell(0, QStringLiteral("A4")).value(QStringLiteral("bold")).toBool());
        QVERIFY(
            !book.cell(0, QStringLiteral("A4")).value(QStringLiteral("fill")).toString().isEmpty());
        QCOMPARE(book.cell(0, QStringLiteral("J6")).value(QStringLiteral("border")).toString(),
                 QStringLiteral("thin"));
        QVERIFY(book.sheet(0)
                    .value(QStringLiteral("merged"))
                    .toArray()
                    .contains(QStringLiteral("A2:J2")));
        if (foreign) {
            QCOMPARE(book.sheet(0).value(QStringLiteral("title")).toString(),
                     QStringLiteral("Data"));
            QCOMPARE(book.width(0, QStringLiteral("A")), 22.0);
            QCOMPARE(book.rowTexts(0, 1, u'B'),
                     (QStringList{QStringLiteral("Report"), QStringLiteral("internal")}));
            QCOMPARE(book.text(1, QStringLiteral("A1")), QStringLiteral("keep me"));
        } else {
            QCOMPARE(book.width(0, QStringLiteral("A")), 20.7109375);
            QVERIFY(book.sheet(0)
                        .value(QStringLiteral("merged"))
                        .toArray()
                        .contains(QStringLiteral("H3:J3")));
        }
    }

    void sheetXmlRewrite_data() {
        QTest::addColumn<QString>("sheetData");
        QTest::addColumn<QString>("expected");
        const QString t = QStringLiteral("<c r=\"%1\" t=\"inlineStr\"><is><t>x</t></is></c>");
        QTest::newRow("empty sheet")
            << QStringLiteral("<sheetData/>")
            << QStringLiteral("<sheetData><row r=\"2\">") + t.arg(QStringLiteral("B2")) +
                   QStringLiteral("</row></sheetData>");
        QTest::newRow("shared string replaced, style kept, others raw")
            << QStringLiteral("<sheetData><row r=\"2\" spans=\"1:3\"><c r=\"A2\"><v>1</v></c>"
                              "<c r=\"B2\" s=\"4\" t=\"s\"><v>0</v></c></row></sheetData>")
            << QStringLiteral("<sheetData><row r=\"2\"><c r=\"A2\"><v>1</v></c><c r=\"B2\" s=\"4\" "
                              "t=\"inlineStr\"><is><t>x</t></is></c></row></sheetData>");
        QTest::newRow("implicit positions made explicit")
            << QStringLiteral("<sheetData><row><c><v>1</v></c><c><v>2</v></c><c><v>3</v></c></row>"
                              "</sheetData>")
            << QStringLiteral(
                   "<sheetData><row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\"><v>2</v></c>"
                   "<c r=\"C1\"><v>3</v></c></row><row r=\"2\">") +
                   t.arg(QStringLiteral("B2")) + QStringLiteral("</row></sheetData>");
        QTest::newRow("prefixed elements")
            << QStringLiteral("<x:sheetData><x:row r=\"2\"/></x:sheetData>")
            << QStringLiteral(
                   "<x:sheetData><x:row r=\"2\"><x:c r=\"B2\" t=\"inlineStr\"><x:is><x:t>x"
                   "</x:t></x:is></x:c></x:row></x:sheetData>");
    }
    void sheetXmlRewrite() {
        QFETCH(QString, sheetData);
        QFETCH(QString, expected);
        const QString head = QStringLiteral("<worksheet><dimension ref=\"A1\"/>");
        const QString tail = QStringLiteral(
            "<mergeCells count=\"1\"><mergeCell ref=\"A1:C1\"/></mergeCells></worksheet>");
        TemplateSheet sheet;
        sheet.writeText(2, 2, QStringLiteral("x"));
        QByteArray out;
        QVERIFY(sheet.rewrite((head + sheetData + tail).toUtf8(), out));
        QCOMPARE(QString::fromUtf8(out),
                 QStringLiteral("<worksheet><dimension ref=\"A1:B2\"/>") + expected + tail);
    }

    void hostileTemplatesAreRefusedByName_data() {
        QTest::addColumn<QByteArray>("sheetData");
        QTest::addColumn<QString>("reason");
        const QString beyond =
            QStringLiteral("报表模板的工作表已损坏，或者行号、列号超出了工作表的范围：");
        QTest::newRow("the last signed row, then one more")
            << QByteArray("<row r=\"2147483647\"/><row/>") << beyond;
        QTest::newRow("a row beyond the sheet") << QByteArray("<row r=\"1048577\"/>") << beyond;
        QTest::newRow("a column beyond the sheet")
            << QByteArray("<row r=\"1\"><c r=\"XFD1\"/><c/></row>") << beyond;
        QTest::newRow("unpacking beyond the bound") << QByteArray(ZipArchive::MaxPartBytes, ' ')
                                                    << QStringLiteral("报表模板的工作表太大：");
    }
    void hostileTemplatesAreRefusedByName() {
        QFETCH(QByteArray, sheetData);
        QFETCH(QString, reason);
        QFile real(QStringLiteral(REPORT_TEMPLATE));
        QVERIFY(real.open(QIODevice::ReadOnly));
        ZipArchive package(real.readAll());
        QVERIFY(package.replace(FirstWorksheetPart(package),
                                "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"));
        const QString hostile = m_db.file(QStringLiteral("hostile.xlsx_"));
        QVERIFY(CheckedSaveFile::writeWhole(hostile, package.commit()));

        const QString target = m_db.file(QStringLiteral("hostile.xlsx"));
        const ExportResult result = StationWorkbook::write(
            m_db.dbPath(), hostile, target, {7, QDate(2008, 4, 10), QDate(2008, 4, 30)},
            [](qint64, qint64) {});
        QCOMPARE(result.kind, ExportResult::Kind::BadTemplate);
        QCOMPARE(result.message, reason + QDir::toNativeSeparators(hostile));
        QVERIFY(!QFile::exists(target));
    }

    void newWorkbookHoldsColoursWidthsNumbersAndSheets() {
        const QString path = m_db.file(QStringLiteral("new.xlsx"));
        {
            XlsxBook book(path);
            QVERIFY(book.isOpen());
            XlsxSheet& sheet = book.firstSheet();
            sheet.setColumnWidth(1, 5);
            sheet.setColumnWidth(2, 20);
            sheet.setColumnWidth(3, 7);
            sheet.writeText(1, 1, QStringLiteral("green"), QColor(0, 128, 0));
            sheet.writeText(2, 1, QStringLiteral("black"), QColor(0, 0, 0));
            sheet.writeNumber(2, 2, 23.5);
            sheet.writeText(3, 1, QStringLiteral("<&> \x01"));
            QVERIFY(!book.addSheet(QStringLiteral("bad:name")));
            XlsxSheet* second = book.addSheet(QStringLiteral("第二页"));
            QVERIFY(second);
            second->writeNumber(1, 1, -1.25);
            QVERIFY(book.close());
        }
        const XlsxProbe book(path);
        QCOMPARE(book.sheetCount(), 2);
        QCOMPARE(book.width(0, QStringLiteral("A")), 5.7109375);
        QCOMPARE(book.width(0, QStringLiteral("B")), 20.7109375);
        QCOMPARE(book.width(0, QStringLiteral("C")), 7.7109375);
        QCOMPARE(book.cell(0, QStringLiteral("A1")).value(QStringLiteral("colour")).toString(),
                 Green);
        QCOMPARE(book.cell(0, QStringLiteral("A2")).value(QStringLiteral("colour")).toString(),
                 QStringLiteral("FF000000"));
        QCOMPARE(book.cell(0, QStringLiteral("B2")).value(QStringLiteral("value")).toDouble(),
                 23.5);
        QVERIFY(book.text(0, QStringLiteral("A3")).startsWith(QStringLiteral("<&> ")));
        QCOMPARE(book.sheet(1).value(QStringLiteral("title")).toString(), QStringLiteral("第二页"));
        QCOMPARE(book.cell(1, QStringLiteral("A1")).value(QStringLiteral("value")).toDouble(),
                 -1.25);
    }

    void aRefusedWriteLeavesNoFile() {
        const QString path = m_db.file(QStringLiteral("refused.xlsx"));
        XlsxBook book(path);
        book.firstSheet().writeText(CellName::MaxRows + 1, 1, QStringLiteral("too far"));
        QVERIFY(!book.close());
        QVERIFY(!QFile::exists(path));
    }

    void rowsBeyondTheSheetAreCountedNotLost() {
        StoreFixture readings;
        readings.create();
        readings.addReadings({QStringLiteral("2008-04-30 14:25:03|1|20"),
                              QStringLiteral("2008-04-30 14:25:03|2|21"),
                              QStringLiteral("2008-04-30 14:25:03|3|22")});
        const QString path = readings.file(QStringLiteral("full.xlsx"));
        const ExportResult result = PaneExport::toWorkbook(
            readings.dbPath(), {ReadingsLayout::of(ReadingsLayout::Fill::BySensorThenTime), {}},
            path, [](qint64, qint64) {}, 5);
        QCOMPARE(result.kind, ExportResult::Kind::Written);
        QCOMPARE(result.rowsLeftOut, 1);
        const XlsxProbe book(path);
        QCOMPARE(book.sheet(0).value(QStringLiteral("maxRow")).toInt(), 5);
        QCOMPARE(book.cell(0, QStringLiteral("A5")).value(QStringLiteral("colour")).toString(),
                 Blue);
    }
};

QTEST_GUILESS_MAIN(TestSpreadsheetFiles)
#include "test_spreadsheet_files.moc"
