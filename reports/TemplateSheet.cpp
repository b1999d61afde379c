#include "reports/TemplateSheet.h"

#include "reports/CellName.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

QStringView localName(QStringView qualified) {
    return qualified.mid(qualified.indexOf(QLatin1Char(':')) + 1);
}

// Text as XML character data. Control characters cannot appear in XML at all; the format
// writes them as _xHHHH_.
QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'&')
            out += QLatin1String("&amp;");
        else if (u == u'<')
            out += QLatin1String("&lt;");
        else if (u == u'>')
            out += QLatin1String("&gt;");
        else if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0xFFFE || u == 0xFFFF)
            out += QStringLiteral("_x%1_").arg(
                QString::number(u, 16).toUpper().rightJustified(4, QLatin1Char('0')));
        else
            out += ch;
    }
    return out;
}

// A start tag with an r attribute, for elements whose position the template left implicit:
// once cells or rows are inserted, an implicit position would point elsewhere.
QString withRef(const QString& startTag, const QString& ref) {
    const qsizetype nameEnd = startTag.indexOf(QRegularExpression(QStringLiteral("[\\s/>]")));
    return startTag.left(nameEnd) + QStringLiteral(" r=\"") + ref + QLatin1Char('"') +
           startTag.mid(nameEnd);
}

} // namespace

void TemplateSheet::writeText(int row, int column, const QString& text) {
    m_rows[row][column] = text;
}

bool TemplateSheet::readRows(const QString& inner, std::map<int, ExistingRow>& rows) {
    // A wrapper element makes the fragment a document; prefixes stay as written.
    const QString doc = QStringLiteral("<w>") + inner + QStringLiteral("</w>");
    QXmlStreamReader reader(doc);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int lastRow = 0;
    int lastColumn = 0;
    ExistingRow* row = nullptr;
    ExistingCell child;
    qsizetype childStart = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            // Offsets are exact at the end of a tag; a tag cannot hold a "<" of its own.
            const qsizetype end = reader.characterOffset();
            const qsizetype start = doc.lastIndexOf(QLatin1Char('<'), end - 1);
            const QXmlStreamAttributes a = reader.attributes();
            const bool hasRef = a.hasAttribute(QLatin1String("r"));
            if (depth == 2) {
                if (localName(reader.qualifiedName()) != QLatin1String("row"))
                    return false;
                lastRow = hasRef ? a.value(QLatin1String("r")).toInt() : lastRow + 1;
                lastColumn = 0;
                // A row beyond the sheet is refused at once, so counting on from it to the
                // next row cannot overflow.
                if (lastRow < 1 || lastRow > CellName::MaxRows || rows.count(lastRow))
                    return false;
                row = &rows[lastRow];
                row->number = lastRow;
                row->hasRef = hasRef;
                row->startTag = doc.mid(start, end - start);
                row->endTag =
                    QStringLiteral("</") + reader.qualifiedName().toString() + QLatin1Char('>');
            } else if (depth == 3) {
                childStart = start;
                child = ExistingCell();
                if (localName(reader.qualifiedName()) == QLatin1String("c")) {
                    int r = lastRow;
                    int c = lastColumn + 1;
                    if (hasRef ? !CellName::parse(a.value(QLatin1String("r")), r, c)
                               : c > CellName::MaxColumns)
                        return false;
                    lastColumn = c;
                    child.column = c;
                    child.hasRef = hasRef;
                    child.style = a.value(QLatin1String("s")).toString();
                }
            }
        } else if (reader.isEndElement()) {
            if (depth == 3) {
                child.raw = doc.mid(childStart, reader.characterOffset() - childStart);
                if (child.column > 0)
                    row->cells[child.column] = child;
                else
                    row->others += child.raw;
            }
            --depth;
        }
    }
    return !reader.hasError();
}

QString TemplateSheet::rowXml(const QString& prefix, int number, const ExistingRow* existing,
                              const std::map<int, QString>* written,
                              const std::map<int, QString>& modelStyles) const {
    const QString ref = QString::number(number);
    QString startTag =
        existing ? existing->startTag : QLatin1Char('<') + prefix + QStringLiteral("row>");
    if (!existing || !existing->hasRef)
        startTag = withRef(startTag, ref);
    if (!written) {
        QString out = startTag;
        if (startTag.endsWith(QLatin1String("/>")))
            return out;
        for (const auto& [column, cell] : existing->cells)
            out += cell.hasRef ? cell.raw : withRef(cell.raw, CellName::of(number, column));
        return out + existing->others + existing->endTag;
    }

    // The spans hint would no longer cover the row's cells; it is optional, so it goes.
    static const QRegularExpression spans(QStringLiteral("\\s+spans=\"[^\"]*\""));
    startTag.remove(spans);
    if (startTag.endsWith(QLatin1String("/>")))
        startTag = startTag.chopped(2) + QLatin1Char('>');
    QString out = startTag;
    const std::map<int, ExistingCell> none;
    const std::map<int, ExistingCell>& cells = existing ? existing->cells : none;
    auto old = cells.begin();
    auto put = written->begin();
    while (old != cells.end() || put != written->end()) {
        if (put == written->end() || (old != cells.end() && old->first < put->first)) {
            out += old->second.hasRef ? old->second.raw
                                      : withRef(old->second.raw, CellName::of(number, old->first));
            ++old;
            continue;
        }
        const int column = put->first;
        const QString& text = put->second;
        QString style;
        if (old != cells.end() && old->first == column) {
            style = old->second.style;
            ++old;
        } else if (m_modelRow > 0 && number >= m_modelRow) {
            const auto model = modelStyles.find(column);
            if (model != modelStyles.end())
                style = model->second;
        }
        out += QLatin1Char('<') + prefix + QStringLiteral("c r=\"") + CellName::of(number, column) +
               QLatin1Char('"');
        if (!style.isEmpty())
            out += QStringLiteral(" s=\"") + style + QLatin1Char('"');
        const bool keepBlanks =
            !text.isEmpty() && (text.front().isSpace() || text.back().isSpace());
        out += QStringLiteral(" t=\"inlineStr\"><") + prefix + QStringLiteral("is><") + prefix +
               QLatin1Char('t') +
               (keepBlanks ? QStringLiteral(" xml:space=\"preserve\">") : QStringLiteral(">")) +
               escaped(text) + QStringLiteral("</") + prefix + QStringLiteral("t></") + prefix +
               QStringLiteral("is>");
        out += QStringLiteral("</") + prefix + QStringLiteral("c>");
        ++put;
    }
    return out + (existing ? existing->others + existing->endTag
                           : QStringLiteral("</") + prefix + QStringLiteral("row>"));
}

QString TemplateSheet::dimensionRef(const QString& current) const {
    int top = CellName::MaxRows + 1;
    int left = CellName::MaxColumns + 1;
    int bottom = 0;
    int right = 0;
    const auto take = [&](int row, int column) {
        top = std::min(top, row);
        bottom = std::max(bottom, row);
        left = std::min(left, column);
        right = std::max(right, column);
    };
    for (const QString& corner : current.split(QLatin1Char(':'))) {
        int row = 0;
        int column = 0;
        if (CellName::parse(corner, row, column))
            take(row, column);
    }
    for (const auto& [row, cells] : m_rows) {
        take(row, cells.begin()->first);
        take(row, cells.rbegin()->first);
    }
    if (bottom == 0)
        return current;
    const QString first = CellName::of(top, left);
    const QString last = CellName::of(bottom, right);
    return first == last ? first : first + QLatin1Char(':') + last;
}

bool TemplateSheet::rewrite(const QByteArray& sheetXml, QByteArray& out) const {
    const QString xml = QString::fromUtf8(sheetXml);
    static const QRegularExpression openTag(
        QStringLiteral("<((?:[A-Za-z_][\\w.\\-]*:)?)sheetData(?=[\\s/>])"));
    const QRegularExpressionMatch open = openTag.match(xml);
    if (!open.hasMatch())
        return false;
    const QString prefix = open.captured(1);
    const qsizetype tagEnd = xml.indexOf(QLatin1Char('>'), open.capturedEnd());
    if (tagEnd < 0)
        return false;
    const bool selfClosing = xml[tagEnd - 1] == QLatin1Char('/');
    const QString closeTag = QStringLiteral("</") + prefix + QStringLiteral("sheetData>");
    const qsizetype innerStart = tagEnd + 1;
    const qsizetype innerEnd = selfClosing ? innerStart : xml.indexOf(closeTag, innerStart);
    if (innerEnd < 0)
        return false;

    std::map<int, ExistingRow> existing;
    if (!readRows(xml.mid(innerStart, innerEnd - innerStart), existing))
        return false;
    std::map<int, QString> modelStyles;
    if (const auto model = existing.find(m_modelRow); model != existing.end())
        for (const auto& [column, cell] : model->second.cells)
            modelStyles[column] = cell.style;

    QString head = xml.left(open.capturedStart());
    static const QRegularExpression dimension(
        QStringLiteral("(<(?:[A-Za-z_][\\w.\\-]*:)?dimension\\s[^>]*\\bref=\")([^\"]*)\""));
    const QRegularExpressionMatch dim = dimension.match(head);
    if (dim.hasMatch())
        head.replace(dim.capturedStart(2), dim.capturedLength(2), dimensionRef(dim.captured(2)));

    QString body;
    auto old = existing.begin();
    auto put = m_rows.begin();
    while (old != existing.end() || put != m_rows.end()) {
        const int number = put == m_rows.end()     ? old->first
                           : old == existing.end() ? put->first
                                                   : std::min(old->first, put->first);
        const bool hasOld = old != existing.end() && old->first == number;
        const bool hasNew = put != m_rows.end() && put->first == number;
        body += rowXml(prefix, number, hasOld ? &old->second : nullptr,
                       hasNew ? &put->second : nullptr, modelStyles);
        if (hasOld)
            ++old;
        if (hasNew)
            ++put;
    }

    QString tagText = xml.mid(open.capturedStart(), tagEnd + 1 - open.capturedStart());
    if (selfClosing)
        tagText = tagText.left(tagText.size() - 2).trimmed() + QLatin1Char('>');
    const QString tail = xml.mid(selfClosing ? innerEnd : innerEnd + closeTag.size());
    out = (head + tagText + body + closeTag + tail).toUtf8();
    return true;
}
