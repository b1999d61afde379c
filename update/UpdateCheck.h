#pragma once

#include "update/UpdatePlace.h"
#include "update/UpdateSignature.h"
#include "update/UpdateSources.h"

#include <QObject>
#include <QStringList>
#include <QVersionNumber>

#include <functional>
#include <optional>

class Clock;
class HttpFetch;

// One update run: asks the bootstrap server for the update server, compares the offered
// version with the running one, fetches and checks the update engine, and after the user's
// agreement starts it and ends the program. The version file and the engine are used only
// when their signatures hold. Works without blocking; reports every line of its list and
// its outcome by signals. Each object runs once.
class UpdateCheck : public QObject {
    Q_OBJECT

public:
    enum class Outcome {
        NoSigningKey,
        NoConnection,
        NoVersionInfo,
        BadSignature,
        AlreadyCurrent,
        PackageManaged,
        NoEngine,
        Declined,
        HandedOver
    };
    Q_ENUM(Outcome)

signals:
    void lineAdded(const QString& line);
    // The engine is ready; the run waits for answer().
    void confirmationNeeded();
    void finished(UpdateCheck::Outcome outcome);

public:
    struct Setup {
        UpdateSources sources;
        QVersionNumber currentVersion;
        // Where downloads go and whether the program may replace itself.
        UpdatePlace place;
        // The public keys every downloaded file must be signed with (see UpdateSignature);
        // without one, no update is fetched.
        QStringList signingKeys;
        // Ends the program once the engine runs.
        std::function<void()> endProgram;
    };

    // Each request may stay silent for 15 s of the clock's time before it fails, and all of
    // them together may take 3 minutes: time for the engine at about 1 Mbit/s.
    static constexpr int RequestTimeoutMs = 15000;
    static constexpr int RunDeadlineMs = 180000;
    // The bootstrap reply, the version file and the signatures are a few bytes; the engine
    // is one program.
    static constexpr qint64 SmallFileLimit = 64 * 1024;
    static constexpr qint64 EngineLimit = 16 * 1024 * 1024;

    UpdateCheck(Setup setup, Clock& clock, QObject* parent = nullptr);

    // Starts the run; later calls do nothing.
    void RunUpdate();
    // The user's answer to the hand-over question.
    void answer(bool agreed);

    // Where the version file and the engine are fetched from, once the bootstrap answered.
    [[nodiscard]] const QString& UpdateBaseUrl() const { return m_updateBaseUrl; }

private:
    void bootstrapAnswered(const QByteArray& reply);
    // A download's bytes, handed on once the whole file is stored; nothing when it is not.
    using Stored = std::optional<QByteArray>;
    void versionFileFetched(const Stored& bytes);
    void engineFetched(const Stored& bytes);
    // Fetches strURL and its signature (strURL + ".sig"), at most maxBytes, and stores the
    // file at Save2FilePathName once the signature holds; any file there before is deleted
    // first. Calls `then` with the bytes when the file is stored, with nothing when it could
    // not be fetched or stored. A missing or wrong signature ends the run instead.
    void DownLoad(const QString& strURL, const QString& Save2FilePathName, qint64 maxBytes,
                  std::function<void(const Stored&)> then);
    void signatureFetched(const QByteArray& bytes, const Stored& signature,
                          const QString& Save2FilePathName,
                          const std::function<void(const Stored&)>& then);
    void add(const QString& line);
    void finish(Outcome outcome, const QString& line);
    [[nodiscard]] QString versionFilePath() const;
    [[nodiscard]] QString enginePath() const;

    Setup m_setup;
    UpdateSignature m_signature;
    HttpFetch* m_fetch;
    QStringList m_currentParts;
    QString m_updateBaseUrl;
    bool m_started = false;
    bool m_awaitingAnswer = false;
};
