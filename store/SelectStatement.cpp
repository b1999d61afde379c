#include "store/SelectStatement.h"

#include "common/NumberText.h"
#include "store/JetSql.h"

SelectStatement::Check SelectStatement::check(const Choice& choice) {
    if (QString::compare(choice.dateFrom, choice.dateTo, Qt::CaseSensitive) > 0)
        return Check::DateRangeWrong;
    if (Val(choice.numberTo) < Val(choice.numberFrom))
        return Check::NumberRangeWrong;
    return Check::Ok;
}

SelectStatement::Result SelectStatement::build(const Choice& choice) {
    QString dates;
    if (choice.dateRange)
        dates = QStringLiteral(" [日期时间]>= ") + JetSql::quoted(choice.dateFrom) +
                QStringLiteral(" and [日期时间]<= ") + JetSql::quoted(choice.dateTo);
    QString numbers;
    if (choice.numberRange)
        numbers = QStringLiteral(" val(编号)>= ") + PlainNumber(Val(choice.numberFrom)) +
                  QStringLiteral(" and val(编号)<= ") + PlainNumber(Val(choice.numberTo));

    Result r;
    r.sql = QStringLiteral("select * from [表1]");
    if (!dates.isEmpty() || !numbers.isEmpty()) {
        r.sql += QStringLiteral(" Where") + dates;
        if (!dates.isEmpty() && !numbers.isEmpty())
            r.sql += QStringLiteral(" and");
        r.sql += numbers;
    }
    if (choice.numbersFirst) {
        r.sql += QStringLiteral(" order by val(编号) asc,[日期时间] asc");
        r.orderKey = QStringLiteral("编号");
    } else {
        r.sql += QStringLiteral(" order by [日期时间] asc,val(编号) asc");
        r.orderKey = QStringLiteral("日期时间");
    }
    return r;
}
