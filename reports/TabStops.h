#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// A text placed from a column of a fixed-layout line. Columns count from 1 as an editor
// shows them: a Chinese (wide) character takes two, any other character one.
struct TabField {
    int column = 1;
    QString text;
};

// The lines that writing the fields in order makes: blanks pad the line up to each field's
// column, and a field whose column the line has already reached starts a new line there.
[[nodiscard]] QStringList PlaceAtStops(const QVector<TabField>& fields);
