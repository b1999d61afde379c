#include "store/ui/StoreStartup.h"

#include "common/Module1.h"
#include "common/Prompts.h"
#include "store/ReadingLists.h"
#include "store/StoreAddress.h"
#include "store/StoreDb.h"

#include <QInputDialog>
#include <QLineEdit>

namespace {

// Another program holding the file would otherwise keep the start waiting, with nothing on
// screen, for as long as a save waits for a lock.
constexpr int LocalFileWaitMs = 2000;

// Opens `address` into `opened` and, on the same connection, looks whether it holds any
// upload. Returns how the opening went.
StoreResult openInto(const QString& address, const QStringList& recordedTables,
                     StoreStartup::Opened& opened,
                     int busyTimeoutMs = StoreConnection::DefaultBusyTimeoutMs) {
    opened = {address, {}, false};
    StoreDb db(address, busyTimeoutMs);
    const StoreResult r = db.openDatabase(StoreDb::Access::ReadWrite);
    opened.state = r.ok() ? ReadingLists::hasUploads(db, opened.hasUploads) : r;
    if (!r.ok())
        return r;
    opened.encrypted = db.encrypted();
    QStringList refused;
    // Rights that cannot be asked for are left to the server to enforce statement by statement.
    opened.readOnly = db.tablesNotWritable(recordedTables, refused).ok() && !refused.isEmpty();
    return r;
}

} // namespace

StoreStartup::Opened StoreStartup::open(Prompts& prompts, const AskPassword& askPassword,
                                        const QString& localFile,
                                        const QStringList& recordedTables) {
    const StoreAddress chosen = StoreAddress::chosen(localFile);
    Opened opened;
    if (chosen.isServer()) {
        StoreResult r = openInto(chosen.text(), recordedTables, opened);
        if (r.kind() == StoreResult::Kind::NeedsPassword && askPassword) {
            const QString password = askPassword(r.message());
            if (!password.isEmpty()) {
                chosen.rememberPassword(password);
                r = openInto(chosen.text(), recordedTables, opened);
            }
        }
        if (r.ok())
            return opened;
        if (prompts.message(nullptr, Module1::AppTitle,
                            r.message() + QStringLiteral("\n\n是否改用本机的数据库文件继续？"),
                            Prompts::Buttons::YesNo,
                            Prompts::Icon::Warning) != Prompts::Answer::Yes)
            return {};
    }
    // The file is made, or switched to its write-ahead log, before any view reads it, so no
    // save ever waits for a view. Whatever is wrong with the file is told by the first
    // command that needs it.
    (void)openInto(localFile, recordedTables, opened, LocalFileWaitMs);
    return opened;
}

QString StoreStartup::askPasswordDialog(const QString& prompt) {
    return QInputDialog::getText(nullptr, Module1::AppTitle, prompt + QStringLiteral("\n密码："),
                                 QLineEdit::Password);
}
