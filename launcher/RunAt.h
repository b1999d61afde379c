#pragma once

#include <string>

// Opens the target named by the whole command line, with the launcher's own folder as the
// working directory, so that a relative name is found beside the launcher. Returns the
// exit code, always 0.
int RunAt(const std::string& commandLine);
