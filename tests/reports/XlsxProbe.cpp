#include "tests/reports/XlsxProbe.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>

bool XlsxProbe::runPython(const QString& script, const QString& argument, QByteArray& output,
                          QString& error) {
    // The system's interpreter carries the distribution's openpyxl.
    QString python =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    QProcess p;
    p.start(python, {QStringLiteral(REPORT_TEST_SCRIPTS) + QLatin1Char('/') + script, argument});
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        error = QString::fromUtf8(p.readAllStandardError()) + p.errorString();
        return false;
    }
    output = p.readAllStandardOutput();
    return true;
}

XlsxProbe::XlsxProbe(const QString& path) {
    QByteArray json;
    if (runPython(QStringLiteral("xlsx_dump.py"), path, json, m_error))
        m_sheets = QJsonDocument::fromJson(json).array();
}

bool XlsxProbe::makeForeignTemplate(const QString& path) {
    QByteArray ignored;
    QString error;
    const bool made = runPython(QStringLiteral("make_template.py"), path, ignored, error);
    if (!made)
        qWarning("%s", qPrintable(error));
    return made;
}

QJsonObject XlsxProbe::cell(int sheetIndex, const QString& name) const {
    return sheet(sheetIndex).value(QStringLiteral("cells")).toObject().value(name).toObject();
}

QString XlsxProbe::text(int sheetIndex, const QString& name) const {
    return cell(sheetIndex, name).value(QStringLiteral("value")).toVariant().toString();
}

QStringList XlsxProbe::rowTexts(int sheetIndex, int row, QChar lastColumn) const {
    QStringList out;
    for (char16_t c = u'A'; c <= lastColumn.unicode(); ++c)
        out.append(text(sheetIndex, QChar(c) + QString::number(row)));
    return out;
}

double XlsxProbe::width(int sheetIndex, const QString& column) const {
    return sheet(sheetIndex).value(QStringLiteral("widths")).toObject().value(column).toDouble();
}

QJsonArray XlsxProbe::charts(int sheetIndex) const {
    return sheet(sheetIndex).value(QStringLiteral("charts")).toArray();
}
