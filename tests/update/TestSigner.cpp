#include "tests/update/TestSigner.h"

#include "tests/update/TestHttpServer.h"

#include <QFile>
#include <QProcess>

TestSigner::TestSigner() : m_privateKey(m_dir.filePath(QStringLiteral("update-key.pem"))) {
    (void)openssl({"genpkey", "-algorithm", "ed25519", "-out", m_privateKey});
    m_publicKey = QString::fromLatin1(
        openssl({"pkey", "-in", m_privateKey, "-pubout", "-outform", "DER"}).toBase64());
}

QByteArray TestSigner::signature(const QByteArray& content) const {
    const QString message = m_dir.filePath(QStringLiteral("message"));
    QFile file(message);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qFatal("the message to sign cannot be written");
    file.close();
    return openssl({"pkeyutl", "-sign", "-inkey", m_privateKey, "-rawin", "-in", message})
               .toBase64() +
           "\r\n";
}

void TestSigner::publish(TestHttpServer& server, const QString& path,
                         const QByteArray& content) const {
    server.serve(path, content);
    server.serve(path + QStringLiteral(".sig"), signature(content));
}

QByteArray TestSigner::openssl(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral("openssl"), arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("openssl %s failed: %s", qPrintable(arguments.join(' ')),
               p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}
