#include "launcher/RunAt.h"

#include "launcher/LauncherShell.h"

int RunAt(const std::string& commandLine) {
    if (commandLine.empty()) {
        ShowMessage("请输入参数!", "提示!");
        return 0;
    }
    const std::string folder = OwnFolder();
    if (!EnterFolder(folder))
        ShowMessage("设置路径发生错误!", "错误!");
    // The whole line is one name: "tool.exe -x" is looked for as a file of that name.
    OpenTarget(commandLine, folder);
    return 0;
}
