#include "store/NumberTable.h"

#include "store/StoreConnection.h"

#include <QSqlQuery>

namespace {

const QString Progress = QStringLiteral("编号值表进度");

} // namespace

QStringList NumberTable::createStatements() {
    return {
        QStringLiteral("create table if not exists [%1] ([编号] text, [值])").arg(Name),
        QStringLiteral("create unique index if not exists [%1_编号] on [%1] ([编号])").arg(Name),
        QStringLiteral("create table if not exists [%1] ([已读至行] integer)").arg(Progress)};
}

StoreResult NumberTable::catchUp(StoreConnection& db) {
    qint64 taken = 0;
    qint64 last = 0;
    {
        QSqlQuery q;
        StoreResult r = db.select(QStringLiteral("select (select max([已读至行]) from [%1]), "
                                                 "(select max(rowid) from [表1])")
                                      .arg(Progress),
                                  q, {});
        if (!r.ok())
            return r;
        if (q.next()) {
            taken = q.value(0).toLongLong();
            last = q.value(1).toLongLong();
        }
    }
    if (last == taken)
        return {};
    if (last < taken) {
        if (StoreResult r = db.exec(QStringLiteral("delete from [%1]").arg(Name), {}); !r.ok())
            return r;
        taken = 0;
    }
    // A null number is kept as one row of its own; the unique index lets nulls repeat.
    StoreResult r = db.exec(
        QStringLiteral("insert into [%1] ([编号], [值]) select d.[编号], val(d.[编号]) from "
                       "(select distinct [编号] from [表1] where rowid > ?) d where not exists "
                       "(select 1 from [%1] n where n.[编号] is d.[编号])")
            .arg(Name),
        {taken});
    if (r.ok())
        r = db.exec(QStringLiteral("delete from [%1]").arg(Progress), {});
    if (r.ok())
        r = db.exec(QStringLiteral("insert into [%1] values (?)").arg(Progress), {last});
    return r;
}

QString NumberTable::forgetStatement() {
    return QStringLiteral("delete from [%1] where [值] = ?").arg(Name);
}
