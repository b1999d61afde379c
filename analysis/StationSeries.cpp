#include "analysis/StationSeries.h"

int StationSeries::latest() const {
    for (int i = static_cast<int>(uploads.size()) - 1; i >= 0; --i)
        if (uploads[i].read())
            return i;
    return -1;
}
