#include "tests/tools/PtyClient.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyClient::PtyClient(const QString& path) {
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_fd < 0) {
        return;
    }
    termios tio{};
    if (::tcgetattr(m_fd, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_fd, TCSANOW, &tio);
    }
}

PtyClient::~PtyClient() {
    close();
}

void PtyClient::close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool PtyClient::write(const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(m_fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{m_fd, POLLOUT, 0};
            ::poll(&p, 1, 100);
        } else {
            return false;
        }
    }
    return true;
}

QByteArray PtyClient::read(int count, int timeoutMs) {
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < count && clock.elapsed() < timeoutMs) {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(timeoutMs - clock.elapsed())) <= 0) {
            continue;
        }
        char buffer[4096];
        const ssize_t n = ::read(
            m_fd, buffer, static_cast<size_t>(qMin<qsizetype>(sizeof buffer, count - got.size())));
        if (n > 0) {
            got.append(buffer, n);
        }
    }
    return got;
}

QByteArray PtyClient::readUntilQuiet(int quietMs, int maxMs) {
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < maxMs) {
        const qint64 wait = got.isEmpty() ? maxMs - clock.elapsed() : quietMs;
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(qMax<qint64>(wait, 0))) <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
        if (n > 0) {
            got.append(buffer, n);
        }
    }
    return got;
}
