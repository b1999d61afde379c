#include "reports/CellName.h"

namespace {

QString columnLetters(int column) {
    QString letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar(u'A' + (c - 1) % 26));
    return letters;
}

} // namespace

QString CellName::of(int row, int column) {
    return columnLetters(column) + QString::number(row);
}

bool CellName::parse(QStringView name, int& row, int& column) {
    qsizetype i = 0;
    int c = 0;
    for (; i < name.size() && name[i] >= u'A' && name[i] <= u'Z'; ++i) {
        c = c * 26 + (name[i].unicode() - u'A' + 1);
        if (c > MaxColumns)
            return false;
    }
    if (i == 0 || i == name.size())
        return false;
    bool ok = false;
    const int r = name.mid(i).toInt(&ok);
    if (!ok || r < 1 || r > MaxRows || !name[i].isDigit())
        return false;
    row = r;
    column = c;
    return true;
}
