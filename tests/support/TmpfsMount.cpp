#include "tests/support/TmpfsMount.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#endif

TmpfsMount::TmpfsMount(int kilobytes, Access access) {
#ifdef Q_OS_LINUX
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    const unsigned long flags = access == Access::ReadOnly ? MS_RDONLY : 0;
    m_mounted = ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags,
                        options.constData()) == 0;
    if (!m_mounted)
        m_why = QStringLiteral("a small tmpfs cannot be mounted here (it needs root): ") +
                QString::fromLocal8Bit(std::strerror(errno));
#else
    Q_UNUSED(kilobytes);
    Q_UNUSED(access);
    m_why = QStringLiteral("a small tmpfs can be mounted on Linux only");
#endif
}

TmpfsMount::~TmpfsMount() {
#ifdef Q_OS_LINUX
    if (m_mounted)
        ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
}
