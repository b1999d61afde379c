#pragma once

#include "ReadingsLayout.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Turns the rows of 表1, in the order a statement returned them, into the rows of the query
// pane: which rows are shown, their texts, and which group colour they carry. A row that
// starts a new group of equal values (sensor number by value, or date-time by text) shows
// the group's value in its first column and switches the colour; the first group is green.
class ReadingsRowBuilder {
public:
    struct Row {
        QStringList cells;
        // 0 for green, 1 for blue.
        int colour = 0;
    };

    explicit ReadingsRowBuilder(ReadingsLayout::Fill fill);

    // Takes the next row of 表1 (a null field counts as empty text). Returns true and fills
    // `out` when the row gives a row of the pane.
    [[nodiscard]] bool add(const QString& dateTime, const QString& number,
                           const QString& temperature, Row& out);

private:
    [[nodiscard]] bool startsGroup(const QString& dateTime, const QString& number);
    [[nodiscard]] const QString& formatted(QHash<QString, QString>& cache, const QString& text,
                                           int decimals);

    ReadingsLayout::Fill m_fill;
    bool m_first = true;
    double m_previousNumber = 0.0;
    QString m_previousDateTime;
    int m_colour = 1;
    // Formatting is the same for every repeat of a text; a million readings hold only a few
    // thousand different ones.
    QHash<QString, QString> m_numberTexts;
    QHash<QString, QString> m_temperatureTexts;
};
