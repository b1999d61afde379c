#include "tools/recorder-sim/PtyLink.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

PtyLink::PtyLink(QObject* parent) : QObject(parent) {
    m_paceTimer.setSingleShot(true);
    m_paceTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_paceTimer, &QTimer::timeout, this, &PtyLink::pump);
    m_clock.start();
}

PtyLink::~PtyLink() {
    delete m_readNotifier;
    delete m_writeNotifier;
    if (m_slave >= 0) {
        ::close(m_slave);
    }
    if (m_master >= 0) {
        ::close(m_master);
    }
}

bool PtyLink::open(QString* error) {
    auto fail = [error](const char* step) {
        *error = QStringLiteral("%1: %2").arg(QLatin1String(step),
                                              QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        return fail("posix_openpt");
    }
    if (::grantpt(m_master) != 0) {
        return fail("grantpt");
    }
    if (::unlockpt(m_master) != 0) {
        return fail("unlockpt");
    }
    const char* name = ::ptsname(m_master);
    if (name == nullptr) {
        return fail("ptsname");
    }
    m_slavePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        return fail("open slave");
    }
    termios tio{};
    if (::tcgetattr(m_slave, &tio) != 0) {
        return fail("tcgetattr");
    }
    ::cfmakeraw(&tio);
    if (::tcsetattr(m_slave, TCSANOW, &tio) != 0) {
        return fail("tcsetattr");
    }
    const int flags = ::fcntl(m_master, F_GETFL);
    if (flags < 0 || ::fcntl(m_master, F_SETFL, flags | O_NONBLOCK) != 0) {
        return fail("fcntl");
    }
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PtyLink::readAvailable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] {
        m_writeNotifier->setEnabled(false);
        pump();
    });
    return true;
}

void PtyLink::readAvailable() {
    char buffer[4096];
    const ssize_t n = ::read(m_master, buffer, sizeof buffer);
    if (n > 0) {
        emit received(QByteArray(buffer, static_cast<qsizetype>(n)));
    } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        // Only happens when no end of the slave is open, which holding it prevents;
        // pause briefly instead of spinning on a notifier that keeps firing.
        m_readNotifier->setEnabled(false);
        QTimer::singleShot(50, this, [this] { m_readNotifier->setEnabled(true); });
    }
}

void PtyLink::send(const QByteArray& bytes, qint64 nsNumerator, qint64 nsDenominator) {
    m_paceTimer.stop();
    m_out = bytes;
    m_written = 0;
    m_nsNumerator = nsNumerator;
    m_nsDenominator = nsDenominator > 0 ? nsDenominator : 1;
    m_startNs = m_clock.nsecsElapsed();
    pump();
}

void PtyLink::pump() {
    qsizetype due = m_out.size();
    if (m_nsNumerator > 0) {
        const qint64 elapsed = m_clock.nsecsElapsed() - m_startNs;
        due = qMin<qsizetype>(m_out.size(), elapsed * m_nsDenominator / m_nsNumerator + 1);
    }
    while (m_written < due) {
        const ssize_t n =
            ::write(m_master, m_out.constData() + m_written, static_cast<size_t>(due - m_written));
        if (n > 0) {
            m_written += n;
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            // The client is not reading and the terminal's buffer is full: wait until
            // there is room again.
            m_writeNotifier->setEnabled(true);
            return;
        }
    }
    if (m_written < m_out.size()) {
        const qint64 nextNs = m_startNs + m_written * m_nsNumerator / m_nsDenominator;
        const qint64 waitNs = nextNs - m_clock.nsecsElapsed();
        m_paceTimer.start(static_cast<int>(qMax<qint64>(0, (waitNs + 999999) / 1000000)));
    }
}
