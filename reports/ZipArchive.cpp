#include "reports/ZipArchive.h"

#include <zip.h>

#include <algorithm>

ZipArchive::ZipArchive(const QByteArray& bytes) : m_bytes(bytes) {
    zip_error_t error;
    zip_error_init(&error);
    m_source = zip_source_buffer_create(m_bytes.constData(),
                                        static_cast<zip_uint64_t>(m_bytes.size()), 0, &error);
    if (m_source) {
        m_zip = zip_open_from_source(m_source, 0, &error);
        if (m_zip) {
            // The source outlives the archive, so the written package can be read back.
            zip_source_keep(m_source);
        } else {
            zip_source_free(m_source);
            m_source = nullptr;
        }
    }
    zip_error_fini(&error);
}

ZipArchive::~ZipArchive() {
    if (m_zip)
        zip_discard(m_zip);
    if (m_source)
        zip_source_free(m_source);
}

qint64 ZipArchive::locate(const QString& name) const {
    if (!m_zip)
        return -1;
    return zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
}

qint64 ZipArchive::size(const QString& name) const {
    const qint64 index = locate(name);
    if (index < 0)
        return -1;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(m_zip, static_cast<zip_uint64_t>(index), 0, &stat) != 0 ||
        !(stat.valid & ZIP_STAT_SIZE))
        return -1;
    // Anything beyond the limit counts as just beyond it, so no size overflows a signed figure.
    return static_cast<qint64>(std::min<zip_uint64_t>(stat.size, MaxPartBytes + 1));
}

bool ZipArchive::read(const QString& name, QByteArray& out) const {
    out.clear();
    const qint64 bytes = size(name);
    if (bytes < 0 || bytes > MaxPartBytes)
        return false;
    zip_file_t* file = zip_fopen_index(m_zip, static_cast<zip_uint64_t>(locate(name)), 0);
    if (!file)
        return false;
    out.resize(static_cast<qsizetype>(bytes));
    // Reading stops at the declared size, whatever the compressed data would unpack to.
    const zip_int64_t got = zip_fread(file, out.data(), static_cast<zip_uint64_t>(bytes));
    zip_fclose(file);
    if (got != bytes) {
        out.clear();
        return false;
    }
    return true;
}

bool ZipArchive::replace(const QString& name, const QByteArray& data) {
    const qint64 index = locate(name);
    if (index < 0)
        return false;
    m_replacements.push_back(data);
    const QByteArray& kept = m_replacements.back();
    zip_source_t* source =
        zip_source_buffer(m_zip, kept.constData(), static_cast<zip_uint64_t>(kept.size()), 0);
    if (!source)
        return false;
    if (zip_file_replace(m_zip, static_cast<zip_uint64_t>(index), source, 0) != 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

QByteArray ZipArchive::commit() {
    if (!m_zip)
        return {};
    const bool written = zip_close(m_zip) == 0;
    if (!written)
        zip_discard(m_zip);
    m_zip = nullptr;
    QByteArray out;
    if (written && zip_source_open(m_source) == 0) {
        if (zip_source_seek(m_source, 0, SEEK_END) == 0) {
            const zip_int64_t size = zip_source_tell(m_source);
            if (size > 0 && zip_source_seek(m_source, 0, SEEK_SET) == 0) {
                out.resize(static_cast<qsizetype>(size));
                if (zip_source_read(m_source, out.data(), static_cast<zip_uint64_t>(size)) != size)
                    out.clear();
            }
        }
        zip_source_close(m_source);
    }
    return out;
}
