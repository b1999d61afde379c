#pragma once

#include <QString>

#include <functional>
#include <memory>

class Clock;
class QCoreApplication;
class InstanceLock;
class Prompts;
class frmLogin;
class frmMain;
class frmSplash;

// The program's start-up, in its fixed order: single copy, folders, splash, login,
// main window.
namespace Startup {

// Runs the start-up steps and returns the shown main window, or null when the program must
// end (a second copy, or the login refused). beforeLogin, when given, is called with the
// login dialog, placed, just before it runs.
[[nodiscard]] std::unique_ptr<frmMain> Main(Prompts& prompts, Clock& clock, InstanceLock& lock,
                                            const QString& programFolder,
                                            const std::function<void(frmLogin&)>& beforeLogin = {});

// Applies the branding hook: string resource 101 equal to "oem" (any case) asks for the
// splash picture of bitmap resource 10, when the build carries one.
void ApplyBranding(frmSplash& splash);

// Installs Qt's own Chinese texts, so standard buttons and dialogs read 是/否/确定/取消.
// False when the translations are not installed.
bool LoadChineseTranslations(QCoreApplication& app);

} // namespace Startup
