#pragma once

#include "analysis/FigureKind.h"

#include <QString>
#include <QVector>

#include <array>
#include <optional>

namespace analysis {

// A named list of optional limits on the figures. The two sets of the field's rules are
// built in; users add their own, which are kept in the database.
struct LimitSet {
    static inline const QString GbName = QStringLiteral("GB 50496-2018");
    static inline const QString AciName = QStringLiteral("ACI 301");

    QString name;
    bool builtIn = false;
    std::array<std::optional<double>, LimitCount> limits{};

    [[nodiscard]] std::optional<double> limit(LimitKind kind) const {
        return limits[static_cast<std::size_t>(kind)];
    }
    void setLimit(LimitKind kind, std::optional<double> value) {
        limits[static_cast<std::size_t>(kind)] = value;
    }

    // GB 50496-2018: rise 50, core-to-surface 25, cooling 2.0 per day, surface minus air 20.
    // ACI 301: maximum temperature 70, core-to-surface 19.
    [[nodiscard]] static const QVector<LimitSet>& builtIns();

    // The set of that name among the built-in sets, then the custom ones; null when none
    // has that name.
    [[nodiscard]] static const LimitSet* find(const QString& name, const QVector<LimitSet>& custom);

    // The set of that name as find gives it; the first built-in set when there is none of
    // that name (found is then false).
    [[nodiscard]] static LimitSet choose(const QString& name, const QVector<LimitSet>& custom,
                                         bool* found = nullptr);

    // A limit as typed or stored: empty text is no limit; anything else must be a positive
    // number. False for any other text.
    [[nodiscard]] static bool parseLimit(const QString& text, std::optional<double>& out);

    // The limits in words, "温升≤50℃；里表温差≤25℃；…", for headers and the window.
    [[nodiscard]] QString describe() const;
};

} // namespace analysis
