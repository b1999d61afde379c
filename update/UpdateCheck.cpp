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
const QString NoEngineLine = QStringLiteral("没有获取到可用的升级引擎！升级任务被中断退出。");

} // namespace

UpdateCheck::UpdateCheck(Setup setup, Clock& clock, QObject* parent)
    : QObject(parent), m_setup(std::move(setup)),
      m_fetch(new HttpFetch(clock.timerInterval(RequestTimeoutMs), this)),
      m_currentParts(UpdateVersion::Parts(m_setup.currentVersion)) {}

void UpdateCheck::RunUpdate() {
    if (m_started)
        return;
    m_started = true;
    // A mirror on this machine needs no network at all.
    if (!UpdateAddress::IsLoopbackHost(m_setup.sources.bootstrapHost) && !IsInternetConnected()) {
        finish(Outcome::NoConnection, QStringLiteral("必须先连接到互联网！升级任务被中断退出。"));
        return;
    }
    m_fetch->get(QUrl(UpdateAddress::BootstrapUrl(m_setup.sources.bootstrapHost)),
                 [this](const std::optional<QByteArray>& reply) {
                     bootstrapAnswered(reply.value_or(QByteArray()));
                 });
}

void UpdateCheck::bootstrapAnswered(const QByteArray& reply) {
    // Reported even when the bootstrap failed: the empty address then fails the version fetch.
    add(QStringLiteral("获取升级服务器地址成功；"));
    m_updateBaseUrl = m_setup.sources.baseUrlOverride.isEmpty()
                          ? UpdateAddress::BaseUrl(UpdateAddress::ServerAddress(reply))
                          : m_setup.sources.baseUrlOverride;
    add(QStringLiteral("检查当前版本号为：") + m_currentParts.join(QLatin1Char('-')));
    DownLoad(m_updateBaseUrl + QLatin1Char('/') + VersionFileName, versionFilePath(),
             [this](const Stored& bytes) { versionFileFetched(bytes); });
}

void UpdateCheck::versionFileFetched(const Stored& bytes) {
    std::optional<QStringList> online;
    if (bytes)
        online = UpdateVersion::ReadVersionFile(*bytes);
    if (!online) {
        finish(Outcome::NoVersionInfo,
               QStringLiteral("没有找到最新的版本信息！升级任务被中断退出。"));
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
    DownLoad(m_updateBaseUrl + QLatin1Char('/') + EngineFile::Name(), enginePath(),
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

void UpdateCheck::DownLoad(const QString& strURL, const QString& Save2FilePathName,
                           std::function<void(const Stored&)> then) {
    // A stale copy must never pass for the file just asked for.
    QFile::remove(Save2FilePathName);
    m_fetch->get(QUrl(strURL), [Save2FilePathName, then = std::move(then)](const Stored& bytes) {
        const bool stored = bytes && QDir().mkpath(QFileInfo(Save2FilePathName).absolutePath()) &&
                            CheckedSaveFile::writeWhole(Save2FilePathName, *bytes);
        then(stored ? bytes : std::nullopt);
    });
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
