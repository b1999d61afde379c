#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// Keeps a second copy of the program from running for the same user. The lock is a file
// that names the holding process, so a copy that crashed leaves no lock that counts.
class InstanceLock {
public:
    // lockFolder: where the lock file lives; the system's temporary folder by default.
    explicit InstanceLock(const QString& lockFolder = {});

    // True when this process now holds the lock; false when another running copy does.
    [[nodiscard]] bool acquire();

    [[nodiscard]] QString path() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
