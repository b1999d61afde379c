#include "update/UpdateCheck.h"

#include "common/CheckedSaveFile.h"
#include "common/Clock.h"
#include "update/EngineFile.h"
#include "update/HttpFetch.h"
#include "update/InterNetConnected.h"
#include "update/UpdateAddress.h"
#include "update/UpdateVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

const QString VersionFileName = QStringLiteral("NewVer.txt");
const QString NoVersionLine = QStringLiteral("没有找到最新的版本信息！升级任务被中断退出。");
const QString NoEngineLine = QStringLiteral("没有获取到可用的升级引擎！升级任务被中断退出。");

} // namespace

UpdateCheck::UpdateCheck(Setup setup, Clock& clock, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)), m_signature(m_setup.signingKeys),
      m_fetch(new HttpFetch(clock.timerInterval(RequestTimeoutMs),
                            clock.timerInterval(RunDeadlineMs), this)),
      m_currentParts(UpdateVersion::Parts(m_setup.currentVersion)) {}

void UpdateCheck::RunUpdate() {
    if (m_started)
        return;
    m_started = true;
    if (!m_signature.hasKeys()) {
        finish(Outcome::NoSigningKey, QStringLiteral("本程序没有配置升级签名密钥，无法在线升级。"));
        return;
    }
    // A mirror on this machine needs no network at all.
    if (!UpdateAddress::IsLoopbackHost(m_setup.sources.bootstrapHost) && !IsInternetConnected()) {
        finish(Outcome::NoConnection, QStringLiteral("必须先连接到互联网！升级任务被中断退出。"));
        return;
    }
    m_fetch->get(QUrl(UpdateAddress::BootstrapUrl(m_setup.sources.bootstrapHost)), SmallFileLimit,
                 [this](const std::optional<QByteArray>& reply) {
                     bootstrapAnswered(reply.value_or(QByteArray()));
                 });
}

void UpdateCheck::bootstrapAnswered(const QByteArray& reply) {
    // Reported even when the bootstrap failed: without an address there is no version file.
    add(QStringLiteral("获取升级服务器地址成功；"));
    const QString address = UpdateAddress::ServerAddress(reply);
    if (!m_setup.sources.baseUrlOverride.isEmpty())
        m_updateBaseUrl = m_setup.sources.baseUrlOverride;
    else if (!address.isEmpty())
        m_updateBaseUrl = UpdateAddress::BaseUrl(address);
    add(QStringLiteral("检查当前版本号为：") + m_currentParts.join(QLatin1Char('-')));
    if (m_updateBaseUrl.isEmpty()) {
        // As a failed download would: no copy of an earlier run is left behind.
        QFile::remove(versionFilePath());
        finish(Outcome::NoVersionInfo, NoVersionLine);
        return;
    }
    DownLoad(m_updateBaseUrl + QLatin1Char('/') + VersionFileName, versionFilePath(),
             SmallFileLimit, [this](const Stored& bytes) { versionFileFetched(bytes); });
}

void UpdateCheck::versionFileFetched(const Stored& bytes) {
    std::optional<QStringList> online;
    if (bytes)
        online = UpdateVersion::ReadVersionFile(*bytes);
    if (!online) {
        finish(Outcome::NoVersionInfo, NoVersionLine);
        return;
    }
    add(QStringLiteral("在线提供的版本号：") + online->join(QLatin1Char('-')));
    if (!UpdateVersion::IsUpdateNeeded(m_currentParts, *online)) {
        finish(Outcome::AlreadyCurrent, QStringLiteral("已经是最新版本,无须升级！任务完成！"));
        return;
    }
    add(QStringLiteral("您使用的软件需要升级！"));
    if (m_setup.place.packageManaged) {
        finish(Outcome::PackageManaged, QStringLiteral("请通过系统的软件包管理器升级到新版本。"));
        return;
    }
    add(QStringLiteral("正在获取升级引擎……"));
    DownLoad(m_updateBaseUrl + QLatin1Char('/') + EngineFile::Name(), enginePath(), EngineLimit,
             [this](const Stored& bytes) { engineFetched(bytes); });
}

void UpdateCheck::engineFetched(const Stored& bytes) {
    if (!bytes || !EngineFile::IsExecutable(*bytes)) {
        finish(Outcome::NoEngine, NoEngineLine);
        return;
    }
    add(QStringLiteral("获取到可用的升级引擎！"));
    m_awaitingAnswer = true;
    emit confirmationNeeded();
}

void UpdateCheck::answer(bool agreed) {
    if (!m_awaitingAnswer)
        return;
    m_awaitingAnswer = false;
    if (!agreed) {
        finish(Outcome::Declined, QStringLiteral("升级任务被中断退出。"));
        return;
    }
    // Ending the program without a running engine would leave the user with nothing.
    if (!EngineFile::Start(enginePath(), m_updateBaseUrl)) {
        finish(Outcome::NoEngine, NoEngineLine);
        return;
    }
    emit finished(Outcome::HandedOver);
    m_setup.endProgram();
}

void UpdateCheck::DownLoad(const QString& strURL, const QString& Save2FilePathName, qint64 maxBytes,
                           std::function<void(const Stored&)> then) {
    // A stale copy must never pass for the file just asked for.
    QFile::remove(Save2FilePathName);
    m_fetch->get(QUrl(strURL), maxBytes,
                 [this, strURL, Save2FilePathName, then = std::move(then)](const Stored& bytes) {
                     if (!bytes) {
                         then(std::nullopt);
                         return;
                     }
                     m_fetch->get(
                         QUrl(strURL + QStringLiteral(".sig")), SmallFileLimit,
                         [this, file = *bytes, Save2FilePathName, then](const Stored& signature) {
                             signatureFetched(file, signature, Save2FilePathName, then);
                         });
                 });
}

void UpdateCheck::signatureFetched(const QByteArray& bytes, const Stored& signature,
                                   const QString& Save2FilePathName,
                                   const std::function<void(const Stored&)>& then) {
    // Nothing of the file is looked at, and nothing of it reaches the disk, before this.
    if (!signature || !m_signature.verifies(bytes, *signature)) {
        finish(Outcome::BadSignature,
               QStringLiteral("升级文件的签名无效，可能已被篡改！升级任务被中断退出。"));
        return;
    }
    const bool stored = QDir().mkpath(QFileInfo(Save2FilePathName).absolutePath()) &&
                        CheckedSaveFile::writeWhole(Save2FilePathName, bytes);
    then(stored ? Stored(bytes) : std::nullopt);
}

void UpdateCheck::add(const QString& line) {
    emit lineAdded(line);
}

void UpdateCheck::finish(Outcome outcome, const QString& line) {
    add(line);
    emit finished(outcome);
}

QString UpdateCheck::versionFilePath() const {
    return QDir(m_setup.place.folder).filePath(VersionFileName);
}

QString UpdateCheck::enginePath() const {
    return QDir(m_setup.place.folder).filePath(EngineFile::Name());
}
