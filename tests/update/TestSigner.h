#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TestHttpServer;

// An Ed25519 key pair made with the openssl command for one test, and detached signatures
// in the form the update server publishes them: the 64 signature bytes in base64 on a line.
class TestSigner {
public:
    TestSigner();

    // The public key as the program is configured with it: base64 of its DER form.
    [[nodiscard]] const QString& publicKey() const { return m_publicKey; }
    [[nodiscard]] QByteArray signature(const QByteArray& content) const;
    // Serves `content` at `path` and its signature at `path` + ".sig".
    void publish(TestHttpServer& server, const QString& path, const QByteArray& content) const;

    // Runs the openssl command; its standard output, or a fatal failure.
    static QByteArray openssl(const QStringList& arguments);

private:
    QTemporaryDir m_dir;
    QString m_privateKey;
    QString m_publicKey;
};
