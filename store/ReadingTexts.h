#pragma once

#include <QStringList>

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The texts one reading of rows has met, each kept once with its index and the value of
// its leading number, so a million rows of 表1 cost three lookups each and no new strings.
class ReadingTexts {
public:
    // The index of `text`; a text met for the first time is appended to `added` as well.
    [[nodiscard]] quint32 intern(std::string_view text, QStringList& added);
    // As intern(), for the text of column `column` (0, 1 or 2) of a row. Rows in order mostly
    // repeat a column's text from the row before (a sensor's number, an upload's date-time),
    // which one comparison finds more cheaply than a lookup.
    [[nodiscard]] quint32 internInColumn(int column, std::string_view text, QStringList& added);
    [[nodiscard]] double value(quint32 index) const { return m_values[index]; }

private:
    std::deque<std::string> m_store;
    std::unordered_map<std::string_view, quint32> m_index;
    std::vector<double> m_values;
    static constexpr int Columns = 3;
    quint32 m_lastInColumn[Columns] = {};
    bool m_hasLast[Columns] = {};
};
