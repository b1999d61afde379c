#include "app/InstanceLock.h"

#include "app/frmLogin.h"

#include <QDir>

InstanceLock::InstanceLock(const QString& lockFolder) {
    const QString folder = lockFolder.isEmpty() ? QDir::tempPath() : lockFolder;
    QString user = CurrentUserName();
    if (user.isEmpty())
        user = QStringLiteral("user");
    m_path = QDir(folder).filePath(QStringLiteral("thermbook-%1.lock").arg(user));
}

bool InstanceLock::acquire() {
    m_lock = std::make_unique<QLockFile>(m_path);
    // Staleness is judged only by whether the holder still runs, never by the lock's age:
    // a copy that has been open for hours still holds it.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    if (m_lock->error() == QLockFile::LockFailedError && m_lock->removeStaleLockFile())
        return m_lock->tryLock(0);
    return false;
}
