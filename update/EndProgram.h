#pragma once

// Ends the program at once after the hand-over to the update engine: no window closes, no
// placement or setting is saved, nothing holds the files the engine is about to replace.
[[noreturn]] void EndProgramAtOnce();
