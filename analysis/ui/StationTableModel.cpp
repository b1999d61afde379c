#include "analysis/ui/StationTableModel.h"

#include "analysis/AnalysisResult.h"
#include "analysis/NumberFormats.h"
#include "analysis/ReadingTime.h"
#include "analysis/StateColours.h"
#include "analysis/StationSummary.h"

#include <QBrush>

#include <algorithm>
#include <numeric>
#include <tuple>

using namespace analysis;

namespace {

FigureKind figureOf(int column) {
    return Figures::kind(column - StationTableModel::FirstFigure);
}

// Some sensor of the station has no reading at the latest upload of the pour.
bool readingMissing(const AnalysisResult& r, int station) {
    const Station& s = r.stations[station];
    const QVector<int> filled = s.filledSlots();
    const int last = r.readings->uploadCount() - 1;
    return std::any_of(filled.cbegin(), filled.cend(),
                       [&](int k) { return qIsNaN(r.readings->at(last, s.sensor(k))); });
}

QString stateText(FigureState state, bool readingMissing) {
    const QString name = FigureStates::name(state);
    if (!readingMissing)
        return name;
    const QString missing = QStringLiteral("最新读数缺失");
    return name.isEmpty() ? missing : name + QStringLiteral("（") + missing + QStringLiteral("）");
}

} // namespace

StationTableModel::StationTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void StationTableModel::setResult(const AnalysisResult* result) {
    beginResetModel();
    m_result = result;
    m_rows.clear();
    m_order.clear();
    if (result)
        for (int s = 0; s < result->stations.size(); ++s) {
            const StationSeries& series = result->series[s];
            const StationSummary sum = StationSummary::of(series);
            m_rows.append({series.latest(), sum.warnings, sum.overs, series.standing(),
                           readingMissing(*result, s)});
            m_order.append(s);
        }
    std::stable_sort(m_order.begin(), m_order.end(), [this](int a, int b) { return worseFirst(a, b); });
    endResetModel();
}

int StationTableModel::rowOf(int station) const {
    return static_cast<int>(m_order.indexOf(station));
}

int StationTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int StationTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StationTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case Name:
        return QStringLiteral("站点");
    case State:
        return QStringLiteral("状态");
    case Time:
        return QStringLiteral("最近读数");
    case Warnings:
        return QStringLiteral("预警次数");
    case Overs:
        return QStringLiteral("超限次数");
    case Maturity:
        return QStringLiteral("成熟度(℃·h)");
    case EquivalentAge:
        return QStringLiteral("等效龄期(h)");
    case Strength:
        return QStringLiteral("推定强度(MPa)");
    case Share:
        return QStringLiteral("强度/设计强度");
    case Forecast:
        return QStringLiteral("达到%1%设计强度")
            .arg(m_result ? qRound(m_result->pour.settings.strengthTarget * 100) : 0);
    default: {
        const FigureKind kind = figureOf(section);
        return Figures::heading(kind, m_result && !m_result->pour.settings.placingTemperature);
    }
    }
}

QVariant StationTableModel::data(const QModelIndex& index, int role) const {
    if (!m_result || !index.isValid())
        return {};
    const int s = m_order[index.row()];
    const Row& row = m_rows[s];
    const UploadFigures* latest =
        row.latest >= 0 ? &m_result->series[s].uploads[row.latest] : nullptr;
    const int c = index.column();
    if (role == StationRole)
        return s;
    const FigureState state = !latest                            ? FigureState::None
                              : c == State                       ? row.state
                              : c >= FirstFigure && c < Warnings ? (*latest)[figureOf(c)].state
                                                                 : FigureState::None;
    if (role == Qt::BackgroundRole) {
        const QColor colour = StateColours::background(state);
        return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
    }
    if (role == Qt::TextAlignmentRole && c >= FirstFigure)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (c >= Maturity)
        return strengthText(s, c);
    switch (c) {
    case Name:
        return m_result->stations[s].name;
    case State:
        return latest ? stateText(row.state, row.readingMissing) : QStringLiteral("无数据");
    case Time:
        return latest ? ReadingTime::shortText(m_result->times()[row.latest]) : QString();
    case Warnings:
        return row.warnings;
    case Overs:
        return row.overs;
    default:
        return latest ? NumberFormats::figure((*latest)[figureOf(c)].value) : QString();
    }
}

bool StationTableModel::worseFirst(int a, int b) const {
    const auto key = [this](int s) {
        const Row& r = m_rows[s];
        return std::make_tuple(static_cast<int>(r.state), r.overs, r.warnings);
    };
    return key(a) > key(b);
}

double StationTableModel::sortValue(int s, int column) const {
    const Row& r = m_rows[s];
    switch (column) {
    case Time:
        return r.latest;
    case Warnings:
        return r.warnings;
    case Overs:
        return r.overs;
    case Maturity:
    case EquivalentAge:
    case Strength:
    case Share:
    case Forecast:
        return strengthValue(s, column);
    default:
        return r.latest >= 0 ? m_result->series[s].uploads[r.latest][figureOf(column)].value : qQNaN();
    }
}

const StationStrength* StationTableModel::strength(int s) const {
    const QVector<StationStrength>& stations = m_result->strength->stations;
    return s < stations.size() && stations[s].latest() >= 0 ? &stations[s] : nullptr;
}

QString StationTableModel::strengthText(int s, int column) const {
    const StationStrength* st = strength(s);
    if (!st)
        return {};
    const WeakestPoint& w = st->uploads[st->latest()];
    switch (column) {
    case Maturity:
        return QString::number(qRound(w.maturity));
    case EquivalentAge:
        return NumberFormats::figure(w.equivalentAge);
    case Strength:
        return w.estimate.text();
    case Share:
        return w.estimate.shareText();
    default:
        return st->forecasts.isEmpty() ? QString() : st->forecasts.first().text();
    }
}

// Sorting by the forecast puts the stations that reached the target first, then the
// earliest; those without a forecast go last.
double StationTableModel::strengthValue(int s, int column) const {
    const StationStrength* st = strength(s);
    if (!st)
        return qQNaN();
    const WeakestPoint& w = st->uploads[st->latest()];
    switch (column) {
    case Maturity:
        return w.maturity;
    case EquivalentAge:
        return w.equivalentAge;
    case Strength:
        return w.estimate.strength;
    case Share:
        return w.estimate.share;
    default: {
        const StrengthForecast f = st->forecasts.value(0);
        return f.status == StrengthForecast::Status::Reached ? 0.0
               : f.status == StrengthForecast::Status::At    ? double(f.at.toSecsSinceEpoch())
                                                             : qQNaN();
    }
    }
}

void StationTableModel::sort(int column, Qt::SortOrder order) {
    if (!m_result)
        return;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QVector<int> stations;
    for (const QModelIndex& i : before)
        stations.append(m_order[i.row()]);
    const bool ascending = order == Qt::AscendingOrder;
    std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) {
        if (column == State)
            return ascending ? worseFirst(b, a) : worseFirst(a, b);
        if (column == Name) {
            const int cmp = QString::compare(m_result->stations[a].name, m_result->stations[b].name);
            return ascending ? cmp < 0 : cmp > 0;
        }
        const double va = sortValue(a, column);
        const double vb = sortValue(b, column);
        // Empty figures go last either way.
        if (qIsNaN(va) || qIsNaN(vb))
            return !qIsNaN(va) && qIsNaN(vb);
        return ascending ? va < vb : va > vb;
    });
    QModelIndexList after;
    for (int i = 0; i < before.size(); ++i)
        after.append(this->index(rowOf(stations[i]), before[i].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}
