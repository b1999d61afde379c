#include "reports/TemplateBook.h"

#include "common/CheckedSaveFile.h"
#include "reports/FirstWorksheet.h"
#include "reports/ZipArchive.h"

#include <QDir>
#include <QFile>

bool TemplateBook::open(const QString& templatePath) {
    m_package.clear();
    QFile file(templatePath);
    if (!file.exists())
        return refuse(QStringLiteral("报表模板文件不存在："), templatePath);
    if (file.size() > MaxFileBytes)
        return refuse(QStringLiteral("报表模板文件太大："), templatePath);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("报表模板文件无法读取："), templatePath);
    const QByteArray bytes = file.readAll();
    const ZipArchive package(bytes);
    m_sheetPart = FirstWorksheetPart(package);
    if (m_sheetPart.isEmpty())
        return refuse(QStringLiteral("报表模板文件不是Excel工作簿："), templatePath);
    if (package.size(m_sheetPart) > ZipArchive::MaxPartBytes)
        return refuse(QStringLiteral("报表模板的工作表太大："), templatePath);
    // A sheet this rewrite cannot read is refused now, before anything is written.
    QByteArray probe;
    if (!package.read(m_sheetPart, m_sheetXml) || !TemplateSheet().rewrite(m_sheetXml, probe))
        return refuse(QStringLiteral("报表模板的工作表已损坏，或者行号、列号超出了工作表的范围："),
                      templatePath);
    m_package = bytes;
    return true;
}

bool TemplateBook::refuse(const QString& reason, const QString& templatePath) {
    m_error = reason + QDir::toNativeSeparators(templatePath);
    return false;
}

bool TemplateBook::saveAs(const QString& path) {
    if (m_package.isEmpty())
        return false;
    QByteArray sheetXml;
    if (!m_sheet.rewrite(m_sheetXml, sheetXml))
        return false;
    ZipArchive package(m_package);
    if (!package.replace(m_sheetPart, sheetXml))
        return false;
    const QByteArray filled = package.commit();
    if (filled.isEmpty())
        return false;
    return CheckedSaveFile::writeWhole(path, filled, &m_error);
}
