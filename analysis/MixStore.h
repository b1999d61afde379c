#pragma once

#include "analysis/Mix.h"

#include <QHash>
#include <QString>

#include <utility>
#include <vector>

namespace analysis {

// A pour's mix as items stored with the pour's other settings. The lab results are one
// item, "age,strength" pairs joined by ";", so they are written and deleted with the pour.
namespace MixStore {

void addItems(const Mix& mix, std::vector<std::pair<QString, QString>>& items);
// Missing items give the defaults. Any readable number is kept as it was typed, even one
// the calibration refuses, so the user sees it again with the reason; an unreadable pair
// is kept as not a number for the same reason.
[[nodiscard]] Mix fromItems(const QHash<QString, QString>& items);

} // namespace MixStore

} // namespace analysis
