#include "analysis/PourStore.h"

#include "analysis/AnalysisSchema.h"
#include "analysis/PourSettingsStore.h"
#include "grouping/GroupDefinitions.h"
#include "store/StoreDb.h"

#include <QHash>
#include <QMap>
#include <QSqlError>
#include <QSqlQuery>

namespace analysis {

namespace {

const QString NameItem = QStringLiteral("名称");

QString idText(int id) {
    return QString::number(id);
}

// The id in a stored text; 0 for one that is no id.
int idOf(const QVariant& value) {
    const int id = value.toString().trimmed().toInt();
    return id > 0 ? id : 0;
}

// What is said when the pour was deleted, on this computer or another, while it was shown.
QString goneText(const QString& title = {}) {
    const QString pour = title.isEmpty() ? QStringLiteral("所选浇筑") : QStringLiteral("浇筑“%1”").arg(title);
    return pour + QStringLiteral("已不存在（可能已在另一台计算机上删除），请重新选择浇筑。");
}

StoreResult refused(const QString& text) {
    return StoreResult::failure(StoreResult::Kind::Failed, text);
}

// The one pour of a store of the older form; none when it held nothing of a pour.
StoreResult olderPour(StoreDb& db, const QStringList& tables, const QVector<GroupRow>& groups,
                      QVector<Pour>& out) {
    if (!tables.contains(AnalysisSchema::Pour) && groups.isEmpty())
        return {};
    Pour pour;
    pour.id = 1;
    const StoreResult r = PourSettingsStore::load(db, tables, pour.settings);
    for (const GroupRow& group : groups)
        if (!pour.stations.contains(group.name))
            pour.stations << group.name;
    if (r.ok())
        out << pour;
    return r;
}

// Every stored pour's name by id.
StoreResult storedNames(StoreDb& db, QMap<int, QString>& out) {
    QSqlQuery q;
    StoreResult r = db.select(QStringLiteral("select [浇筑编号], [内容] from [浇筑] where [项目] = ?"), q,
                              {NameItem});
    if (!r.ok())
        return r;
    while (q.next())
        if (const int id = idOf(q.value(0)))
            out.insert(id, q.value(1).toString());
    return q.lastError().isValid() ? StoreDb::readFailure(q) : StoreResult();
}

StoreResult writeSettings(StoreDb& db, const Pour& pour) {
    StoreResult r = db.exec(QStringLiteral("delete from [浇筑] where [浇筑编号] = ?"), {idText(pour.id)});
    for (const auto& [item, text] : PourSettingsStore::items(pour.settings))
        if (r.ok())
            r = db.exec(QStringLiteral("insert into [浇筑] ([浇筑编号], [项目], [内容]) values (?, ?, ?)"),
                        {idText(pour.id), item, text});
    return r;
}

StoreResult writeStations(StoreDb& db, int id, const QStringList& stations) {
    StoreResult r = db.exec(QStringLiteral("delete from [浇筑站点] where [浇筑编号] = ?"), {idText(id)});
    for (const QString& station : stations) {
        if (r.ok())
            r = db.exec(QStringLiteral("delete from [浇筑站点] where [组名] = ?"), {station});
        if (r.ok())
            r = db.exec(QStringLiteral("insert into [浇筑站点] ([组名], [浇筑编号]) values (?, ?)"),
                        {station, idText(id)});
    }
    return r;
}

// Opens the store to write, takes the pours' lock and hands it to `change` with the stored
// names, all in one transaction.
template <typename Change> StoreResult changePours(const QString& dbPath, Change change) {
    StoreDb db(dbPath);
    StoreResult r = AnalysisSchema::openToWrite(db);
    if (r.ok())
        r = db.begin();
    if (!r.ok())
        return r;
    QMap<int, QString> names;
    r = db.lockForTransaction(StoreDb::Lock::Pours);
    if (r.ok())
        r = storedNames(db, names);
    if (r.ok())
        r = change(db, names);
    if (r.ok())
        return db.commit();
    db.rollback();
    return r;
}

} // namespace

StoreResult PourStore::load(StoreDb& db, const QStringList& tables, const QVector<GroupRow>& groups,
                            QVector<Pour>& out) {
    out.clear();
    if (!tables.contains(AnalysisSchema::Pours))
        return olderPour(db, tables, groups, out);
    QMap<int, QHash<QString, QString>> items;
    StoreResult r = AnalysisSchema::readRows(
        db, tables, AnalysisSchema::Pours, QStringLiteral("select [浇筑编号], [项目], [内容] from [浇筑]"),
        [&items](const QSqlQuery& q) {
            if (const int id = idOf(q.value(0)))
                items[id].insert(q.value(1).toString(), q.value(2).toString());
        });
    for (auto it = items.cbegin(); r.ok() && it != items.cend(); ++it)
        out << Pour{it.key(), PourSettingsStore::fromItems(it.value()), {}};
    if (r.ok())
        r = AnalysisSchema::readRows(
            db, tables, AnalysisSchema::PourStations,
            QStringLiteral("select [组名], [浇筑编号] from [浇筑站点] order by [组名]"),
            [&out](const QSqlQuery& q) {
                for (Pour& pour : out)
                    if (pour.id == idOf(q.value(1)))
                        pour.stations << q.value(0).toString();
            });
    return r;
}

StoreResult PourStore::load(const QString& dbPath, QVector<Pour>& out, int busyTimeoutMs) {
    out.clear();
    return AnalysisSchema::readFrom(
        dbPath,
        [&out](StoreDb& db, const QStringList& tables) {
            QVector<GroupRow> groups;
            const StoreResult r = GroupDefinitions::load(db, groups);
            return r.ok() ? load(db, tables, groups, out) : r;
        },
        busyTimeoutMs);
}

StoreResult PourStore::save(const QString& dbPath, Pour& pour) {
    Pour stored = pour;
    const StoreResult r = changePours(dbPath, [&stored](StoreDb& db, const QMap<int, QString>& names) {
        if (stored.id != 0 && !names.contains(stored.id))
            return refused(goneText(stored.title()));
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            if (it.key() != stored.id && it.value().trimmed() == stored.settings.name.trimmed())
                return refused(QStringLiteral("已有名为“%1”的浇筑，请换一个名称。").arg(stored.title()));
        const bool added = stored.id == 0;
        if (added)
            stored.id = names.isEmpty() ? 1 : names.lastKey() + 1;
        StoreResult w = writeSettings(db, stored);
        return w.ok() && added ? writeStations(db, stored.id, stored.stations) : w;
    });
    if (r.ok())
        pour.id = stored.id;
    return r;
}

StoreResult PourStore::assign(const QString& dbPath, int id, const QStringList& stations) {
    return changePours(dbPath, [id, &stations](StoreDb& db, const QMap<int, QString>& names) {
        if (!names.contains(id))
            return refused(goneText());
        return writeStations(db, id, stations);
    });
}

StoreResult PourStore::remove(const QString& dbPath, int id) {
    return changePours(dbPath, [id](StoreDb& db, const QMap<int, QString>& names) {
        if (!names.contains(id))
            return refused(goneText());
        StoreResult r = db.exec(QStringLiteral("delete from [浇筑站点] where [浇筑编号] = ?"), {idText(id)});
        return r.ok() ? db.exec(QStringLiteral("delete from [浇筑] where [浇筑编号] = ?"), {idText(id)}) : r;
    });
}

StoreResult PourStore::upgrade(StoreDb& db, const QStringList& before) {
    QVector<GroupRow> groups;
    QVector<Pour> older;
    StoreResult r = GroupDefinitions::load(db, groups);
    if (r.ok())
        r = olderPour(db, before, groups, older);
    for (const Pour& pour : older) {
        if (r.ok())
            r = writeSettings(db, pour);
        if (r.ok())
            r = writeStations(db, pour.id, pour.stations);
    }
    return r;
}

} // namespace analysis
