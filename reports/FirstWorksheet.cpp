#include "reports/FirstWorksheet.h"

#include "reports/ZipArchive.h"

#include <QHash>
#include <QXmlStreamReader>

namespace {

struct Relationship {
    QString type;
    QString target;
};

// The relationships of a part, by id; targets resolved against the part's folder.
QHash<QString, Relationship> relationshipsOf(const ZipArchive& package, const QString& part) {
    const qsizetype slash = part.lastIndexOf(QLatin1Char('/'));
    const QString folder = part.left(slash + 1);
    const QString relsPart =
        folder + QStringLiteral("_rels/") + part.mid(slash + 1) + QStringLiteral(".rels");
    QHash<QString, Relationship> out;
    QByteArray xml;
    if (!package.read(relsPart, xml))
        return out;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("Relationship"))
            continue;
        const QXmlStreamAttributes a = reader.attributes();
        if (a.value(QLatin1String("TargetMode")) == QLatin1String("External"))
            continue;
        QString target = a.value(QLatin1String("Target")).toString();
        target = target.startsWith(QLatin1Char('/')) ? target.mid(1) : folder + target;
        QStringList resolved;
        for (const QString& step : target.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (step == QLatin1String("..")) {
                if (!resolved.isEmpty())
                    resolved.removeLast();
            } else if (step != QLatin1String(".")) {
                resolved.append(step);
            }
        }
        out.insert(a.value(QLatin1String("Id")).toString(),
                   {a.value(QLatin1String("Type")).toString(), resolved.join(QLatin1Char('/'))});
    }
    return out;
}

bool isType(const Relationship& relationship, QLatin1String kind) {
    return relationship.type.endsWith(QLatin1Char('/') + kind);
}

} // namespace

QString FirstWorksheetPart(const ZipArchive& package) {
    QString workbook;
    for (const Relationship& r : relationshipsOf(package, QString()))
        if (isType(r, QLatin1String("officeDocument")))
            workbook = r.target;
    if (workbook.isEmpty())
        return {};
    const QHash<QString, Relationship> sheets = relationshipsOf(package, workbook);
    QByteArray xml;
    if (!package.read(workbook, xml))
        return {};
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.name() != QLatin1String("sheet"))
            continue;
        // The id attribute sits in the relationships namespace, whatever its prefix.
        for (const QXmlStreamAttribute& a : reader.attributes()) {
            if (a.name() != QLatin1String("id") || a.namespaceUri().isEmpty())
                continue;
            const auto it = sheets.constFind(a.value().toString());
            if (it != sheets.constEnd() && isType(*it, QLatin1String("worksheet")))
                return it->target;
        }
    }
    return {};
}
