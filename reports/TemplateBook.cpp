#include "reports/TemplateBook.h"

#include "common/CheckedSaveFile.h"
#include "reports/FirstWorksheet.h"
#include "reports/ZipArchive.h"

#include <QFile>

bool TemplateBook::open(const QString& templatePath) {
    m_package.clear();
    QFile file(templatePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const ZipArchive package(bytes);
    m_sheetPart = FirstWorksheetPart(package);
    if (m_sheetPart.isEmpty() || !package.read(m_sheetPart, m_sheetXml))
        return false;
    // A sheet this rewrite cannot read is refused now, before anything is written.
    QByteArray probe;
    if (!TemplateSheet().rewrite(m_sheetXml, probe))
        return false;
    m_package = bytes;
    return true;
}

bool TemplateBook::saveAs(const QString& path) const {
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
    return CheckedSaveFile::writeWhole(path, filled);
}
