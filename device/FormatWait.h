#pragma once

#include <functional>

class RS_fun;

// Clears the recorder's memory. The recorder takes up to a minute to erase and may be
// erasing even when its answer was lost, so it gets the whole time either way; `second`
// is called with 2..60 as each second of it begins, for the progress display. True when
// the recorder answered the command.
[[nodiscard]] bool FormatRecorder(RS_fun& rs, const std::function<void(int)>& second);
