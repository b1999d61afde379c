#pragma once

#include <QString>

// The statement of a custom query over 表1: an optional range of upload date-times, an
// optional range of sensor numbers, and which of the two sorts first.
class SelectStatement {
public:
    struct Choice {
        bool dateRange = false;
        QString dateFrom;
        QString dateTo;
        bool numberRange = false;
        QString numberFrom;
        QString numberTo;
        bool numbersFirst = false;
    };
    enum class Check { Ok, DateRangeWrong, NumberRangeWrong };
    struct Result {
        QString sql;
        // "编号" when sensor numbers sort first, "日期时间" otherwise.
        QString orderKey;
    };

    // Both ranges are checked whichever options are chosen: the dates as texts, code by
    // code; the numbers by their leading value (a text without one counts as 0).
    [[nodiscard]] static Check check(const Choice& choice);

    // The statement. Date texts go in as typed, with any quote doubled, so a typed quote
    // cannot break the statement or add to it.
    [[nodiscard]] static Result build(const Choice& choice);
};
