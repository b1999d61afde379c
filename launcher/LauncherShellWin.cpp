#include "launcher/LauncherShell.h"
#include "launcher/RunAt.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>

namespace {

// The launcher's texts are UTF-8; the "A" calls read the system's ANSI code page.
std::string ansi(const std::string& utf8) {
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), wideLength);
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, result.data(), length, nullptr, nullptr);
    result.resize(result.empty() ? 0 : result.size() - 1);
    return result;
}

} // namespace

void ShowMessage(const std::string& text, const std::string& title) {
    MessageBoxA(nullptr, ansi(text).c_str(), ansi(title).c_str(), MB_OK);
}

std::string OwnFolder() {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char drive[_MAX_DRIVE] = {};
    char directory[_MAX_DIR] = {};
    _splitpath_s(path, drive, sizeof drive, directory, sizeof directory, nullptr, 0, nullptr, 0);
    return std::string(drive) + directory;
}

bool EnterFolder(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != 0;
}

void OpenTarget(const std::string& target, const std::string& folder) {
    ShellExecuteA(nullptr, nullptr, target.c_str(), nullptr, folder.c_str(), SW_SHOW);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return RunAt(commandLine ? commandLine : "");
}
