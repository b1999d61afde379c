#include "StoreStartup.h"

#include "Module1.h"
#include "Prompts.h"
#include "StoreAddress.h"
#include "StoreDb.h"

#include <QInputDialog>
#include <QLineEdit>

QString StoreStartup::open(Prompts& prompts, const AskPassword& askPassword,
                           const QString& localFile) {
    const StoreAddress chosen = StoreAddress::chosen(localFile);
    if (chosen.isServer()) {
        StoreResult r = StoreDb(chosen.text()).openDatabase();
        if (r.kind() == StoreResult::Kind::NeedsPassword && askPassword) {
            const QString password = askPassword(r.message());
            if (!password.isEmpty()) {
                chosen.rememberPassword(password);
                r = StoreDb(chosen.text()).openDatabase();
            }
        }
        if (r.ok())
            return chosen.text();
        if (prompts.message(nullptr, Module1::AppTitle,
                            r.message() + QStringLiteral("\n\n是否改用本机的数据库文件继续？"),
                            Prompts::Buttons::YesNo,
                            Prompts::Icon::Warning) != Prompts::Answer::Yes)
            return {};
    }
    // The file is made, or switched to its write-ahead log, before any view reads it, so no
    // save ever waits for a view. Whatever is wrong with the file is told by the first
    // command that needs it.
    (void)StoreDb(localFile).openDatabase(StoreDb::Access::ReadWrite);
    return localFile;
}

QString StoreStartup::askPasswordDialog(const QString& prompt) {
    return QInputDialog::getText(nullptr, Module1::AppTitle, prompt + QStringLiteral("\n密码："),
                                 QLineEdit::Password);
}
