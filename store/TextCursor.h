#pragma once

#include "store/StoreResult.h"

#include <string_view>
#include <vector>

// An engine's way of walking the rows of one select as UTF-8 texts of chosen columns
// (RowTexts).
class TextCursor {
public:
    virtual ~TextCursor() = default;

    // Moves to the next row and points each of `cells` at the text of its column, valid
    // until the next call; false at the end of the rows or on a failure.
    [[nodiscard]] virtual bool next(std::vector<std::string_view>& cells) = 0;
    // Once next() gave false: why the rows ended early; success when all were read or the
    // walk was left before its end.
    [[nodiscard]] virtual StoreResult ended() const = 0;
};
