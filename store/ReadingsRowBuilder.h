#pragma once

#include "store/ReadingsLayout.h"

#include <QHash>
#include <QString>
#include <QStringList>

// Turns the rows of 表1, in the order a statement returned them, into the rows of the query
// pane: which rows are shown, their texts, and which group colour they carry. A row that
// starts a new group of equal values (sensor number by value, or date-time by text) shows
// the group's value in its first column and switches the colour; the first group is green.
//
// The two steps are apart, so a reader of a million rows can decide the groups from small
// keys and leave the texts to be made only for the rows that are looked at.
class ReadingsRowBuilder {
public:
    struct Mark {
        bool startsGroup = false;
        // 0 for green, 1 for blue.
        quint8 colour = 0;
    };
    struct Row {
        QStringList cells;
        int colour = 0;
    };

    explicit ReadingsRowBuilder(ReadingsLayout::Fill fill);

    // Takes the next row of 表1 by a key of its date-time (equal exactly when the texts are
    // equal) and the value of its sensor number. True when the row gives a pane row.
    [[nodiscard]] bool next(quint64 dateTimeKey, double numberValue, Mark& mark);
    // The cells of a pane row, from the texts of its row of 表1 (a null field is empty).
    [[nodiscard]] QStringList cells(const Mark& mark, const QString& dateTime,
                                    const QString& number, const QString& temperature);
    // Both steps at once, for readers that hold every row's texts.
    [[nodiscard]] bool add(const QString& dateTime, const QString& number,
                           const QString& temperature, Row& out);

private:
    [[nodiscard]] const QString& formatted(QHash<QString, QString>& cache, const QString& text,
                                           int decimals);

    ReadingsLayout::Fill m_fill;
    bool m_first = true;
    double m_previousNumber = 0.0;
    quint64 m_previousDateTime = 0;
    quint8 m_colour = 1;
    // The date-time key add() gave last, and its text.
    quint64 m_addedDateTimes = 0;
    QString m_lastDateTime;
    // Formatting is the same for every repeat of a text; a million readings hold only a few
    // thousand different ones.
    QHash<QString, QString> m_numberTexts;
    QHash<QString, QString> m_temperatureTexts;
};
