#pragma once

#include <QByteArray>
#include <QString>

// A bare POSIX client on the simulator's terminal, deliberately free of the program's
// own serial code, so the tests check the wire and not our reading of it.
class PtyClient {
public:
    explicit PtyClient(const QString& path);
    ~PtyClient();
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    [[nodiscard]] bool isOpen() const { return m_fd >= 0; }
    void close();

    [[nodiscard]] bool write(const QByteArray& bytes);
    // Reads until count bytes are in or timeoutMs has passed.
    [[nodiscard]] QByteArray read(int count, int timeoutMs);
    // Reads until nothing has come for quietMs after the last byte (or maxMs has passed). The
    // first byte is awaited up to maxMs: a busy machine may be slow to start the reply.
    [[nodiscard]] QByteArray readUntilQuiet(int quietMs, int maxMs = 20000);

private:
    int m_fd = -1;
};
