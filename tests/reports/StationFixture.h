#pragma once

#include "tests/store/StoreFixture.h"

#include <QStringList>

// A database with station records and group names, written straight into its tables.
class StationFixture : public StoreFixture {
public:
    StationFixture() { create(); }

    // One record: "myid|站点编号|t1,...,t8" (the date comes from myid).
    void addStations(const QStringList& rows) const;
    void addGroups(const QStringList& names) const;
};
