#pragma once

#include <string>

// What the launcher asks of the platform. Texts are UTF-8.

// A message box without owner, with an OK button.
void ShowMessage(const std::string& text, const std::string& title);
// The folder the launcher's own program file is in, ending in the path separator; empty
// when it cannot be found.
[[nodiscard]] std::string OwnFolder();
// Makes `folder` the current directory; false when that fails.
[[nodiscard]] bool EnterFolder(const std::string& folder);
// Opens the target the way the desktop opens it, relative to `folder`, without waiting
// and without reporting anything.
void OpenTarget(const std::string& target, const std::string& folder);
