#include "store/ReadingsModel.h"

#include "store/StoreDb.h"

#include <QMetaObject>

#include <algorithm>

ReadingsModel::ReadingsModel(QObject* parent) : QAbstractTableModel(parent) {}

ReadingsModel::~ReadingsModel() {
    stopLoading();
}

void ReadingsModel::stopLoading() {
    // The loader's destructor cancels and joins; queued notices for this model that are
    // still on their way find no loader and do nothing.
    m_loader.reset();
}

void ReadingsModel::clear() {
    stopLoading();
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_texts.clear();
    m_columnCount = 0;
    m_layout = ReadingsLayout();
    m_readError = StoreResult();
    endResetModel();
}

StoreResult ReadingsModel::fill(const QString& dbPath, const ReadingsLayout& layout,
                                const QString& sql) {
    clear();
    beginResetModel();
    m_layout = layout;
    m_cells = ReadingsRowBuilder(layout.fill());
    m_columnCount = static_cast<int>(layout.columns().size());
    endResetModel();

    const QString statement = sql.isEmpty() ? layout.sql(dbPath) : sql;
    {
        StoreDb db(dbPath);
        StoreResult r = db.openDatabase(StoreDb::Access::ReadOnly);
        if (r.ok())
            r = db.checkSelect(statement);
        if (!r.ok()) {
            m_readError = r;
            return r;
        }
    }
    m_loader = std::make_unique<ReadingsLoader>(dbPath, layout.fill(), statement, [this] {
        QMetaObject::invokeMethod(
            this, [this] { takeRows(); }, Qt::QueuedConnection);
    });
    m_loader->start();
    return {};
}

void ReadingsModel::waitUntilLoaded() {
    if (!m_loader)
        return;
    m_loader->wait();
    takeRows();
}

void ReadingsModel::takeRows() {
    if (!m_loader)
        return;
    ReadingsLoader::Batch batch;
    const bool ended = m_loader->takeBatch(batch);
    m_texts += batch.newTexts;
    const std::size_t have = m_rows.size();
    const std::size_t start = std::min(batch.start, have);
    const std::size_t replaced = std::min(batch.rows.size(), have - start);
    if (replaced > 0) {
        std::copy_n(batch.rows.begin(), replaced,
                    m_rows.begin() + static_cast<std::ptrdiff_t>(start));
        emit dataChanged(index(static_cast<int>(start), 0),
                         index(static_cast<int>(start + replaced) - 1, m_columnCount - 1));
    }
    if (batch.rows.size() > replaced) {
        beginInsertRows({}, static_cast<int>(have),
                        static_cast<int>(have + batch.rows.size() - replaced) - 1);
        m_rows.insert(m_rows.end(), batch.rows.begin() + static_cast<std::ptrdiff_t>(replaced),
                      batch.rows.end());
        endInsertRows();
    }
    if (!ended)
        return;
    // The whole statement gave fewer rows than its preview had shown (the table changed in
    // between): the surplus goes.
    const qint64 total = m_loader->total();
    if (total >= 0 && qint64(m_rows.size()) > total) {
        beginRemoveRows({}, static_cast<int>(total), static_cast<int>(m_rows.size()) - 1);
        m_rows.resize(static_cast<std::size_t>(total));
        endRemoveRows();
    }
    m_readError = m_loader->error();
    m_loader.reset();
    emit loadingFinished();
}

QString ReadingsModel::text(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= m_columnCount)
        return {};
    const ReadingsLoader::CachedRow& cached = m_rows[static_cast<std::size_t>(row)];
    const auto textOf = [this](quint32 index) { return m_texts.value(qsizetype(index)); };
    return m_cells
        .cells(cached.mark, textOf(cached.dateTime), textOf(cached.number),
               textOf(cached.temperature))
        .value(column);
}

QColor ReadingsModel::rowColour(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    return m_rows[static_cast<std::size_t>(row)].mark.colour == 0 ? Green : Blue;
}

int ReadingsModel::columnWidthTwips(int column) const {
    if (column < 0 || column >= m_columnCount)
        return 0;
    return m_layout.columns()[column].widthTwips;
}

int ReadingsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int ReadingsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_columnCount;
}

QVariant ReadingsModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::ForegroundRole:
        return rowColour(index.row());
    default:
        return {};
    }
}

QVariant ReadingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_layout.columns()[section].title;
}
