#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of a few kilobytes mounted on a folder of its own, for writers that meet a full or
// a read-only disk. Mounting needs root, as the tests have in CI; where it is not allowed,
// mounted() is false and why() says so, for the test to skip with.
class TmpfsMount {
public:
    enum class Access { ReadWrite, ReadOnly };

    explicit TmpfsMount(int kilobytes, Access access = Access::ReadWrite);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount&) = delete;
    TmpfsMount& operator=(const TmpfsMount&) = delete;

    [[nodiscard]] bool mounted() const { return m_mounted; }
    [[nodiscard]] const QString& why() const { return m_why; }
    [[nodiscard]] QString path() const { return m_dir.path(); }
    [[nodiscard]] QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};
