#pragma once

#include <QByteArray>
#include <QString>

#include <list>

struct zip;
struct zip_source;

// A zip package held in memory: its parts can be read and replaced, and the changed package
// comes back as bytes. Parts that are not replaced keep their compressed data as it was.
class ZipArchive {
public:
    // Opens the package; when the bytes are not a zip file, every read and replace fails.
    explicit ZipArchive(const QByteArray& bytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Parts larger than this are never unpacked: a small package can unpack to gigabytes.
    static constexpr qint64 MaxPartBytes = qint64(16) << 20;

    // Part names are compared without regard to case, as packages name their parts.
    // A part larger than MaxPartBytes is not read.
    [[nodiscard]] bool read(const QString& name, QByteArray& out) const;
    // A part's unpacked size as the package declares it; -1 when there is no such part.
    [[nodiscard]] qint64 size(const QString& name) const;
    [[nodiscard]] bool replace(const QString& name, const QByteArray& data);
    // The package with its replaced parts; empty when it could not be written. The archive
    // is closed afterwards.
    [[nodiscard]] QByteArray commit();

private:
    [[nodiscard]] qint64 locate(const QString& name) const;

    QByteArray m_bytes;
    zip_source* m_source = nullptr;
    zip* m_zip = nullptr;
    // Replacement data is read only when the package is written, so it is kept until then.
    std::list<QByteArray> m_replacements;
};
