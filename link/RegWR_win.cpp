// The serial-port listing and the driver check read the Windows registry.
#include "link/RegWR.h"

#ifdef Q_OS_WIN

#include <vector>

namespace {

const char* const SerialCommKey = "HARDWARE\\DEVICEMAP\\SERIALCOMM";
const char* const DriverInstallerKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\PL-2303 DriverInstaller.exe";
const QString DriverInstallerFile = QStringLiteral("PL-2303 DriverInstaller.exe");
// Query value, set value, create subkey, enumerate subkeys, notify, create link.
constexpr REGSAM OpenAccess = 0x3F;
constexpr DWORD NameBufferSize = 256;

// Registry text cut at its first NUL.
QString cutText(const char* data, DWORD size) {
    DWORD length = 0;
    while (length < size && data[length] != '\0')
        ++length;
    return QString::fromLocal8Bit(data, static_cast<qsizetype>(length));
}

QString expanded(const QString& text) {
    const QByteArray source = text.toLocal8Bit();
    const DWORD needed = ExpandEnvironmentStringsA(source.constData(), nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<char> out(needed + 1, '\0');
    ExpandEnvironmentStringsA(source.constData(), out.data(), needed);
    return cutText(out.data(), needed);
}

quint32 dwordOf(const unsigned char* data, DWORD size, bool bigEndian) {
    quint32 value = 0;
    for (DWORD i = 0; i < 4 && i < size; ++i) {
        const DWORD shift = bigEndian ? 8 * (3 - i) : 8 * i;
        value |= static_cast<quint32>(data[i]) << shift;
    }
    return value;
}

// The listing lines one value adds, by its type.
QString linesFor(const QString& name, DWORD type, const std::vector<unsigned char>& buffer,
                 DWORD size) {
    const auto* text = reinterpret_cast<const char*>(buffer.data());
    const QString crlf = QStringLiteral("\r\n");
    switch (type) {
    case REG_SZ:
        return (name.isEmpty() ? QStringLiteral("(预设值)") : name) + QLatin1Char('=') +
               cutText(text, size) + crlf;
    case REG_EXPAND_SZ:
        return name + QStringLiteral(" = ") + expanded(cutText(text, size)) + crlf;
    case REG_BINARY: {
        QString line = name + QStringLiteral(" = ");
        for (DWORD i = 0; i < size; ++i)
            line += QString::number(buffer[i], 16).toUpper() + QLatin1Char(' ');
        return line + crlf;
    }
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        return name + QStringLiteral(" = ") +
               QString::number(dwordOf(buffer.data(), size, type == REG_DWORD_BIG_ENDIAN)) + crlf;
    case REG_MULTI_SZ: {
        QString lines;
        const QStringList items =
            RegWR::SplitMultiString(QByteArray(text, static_cast<qsizetype>(size)));
        for (qsizetype i = 0; i < items.size(); ++i)
            lines += name + QStringLiteral("(%1) = ").arg(i) + items[i] + crlf;
        return lines;
    }
    default:
        return {};
    }
}

} // namespace

LONG RegWR::ReadRegValue(HKEY key, const QString& name, QVariant& value) {
    const QByteArray valueName = name.toLocal8Bit();
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, valueName.constData(), nullptr, &type, nullptr, &size);
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<unsigned char> data(size + 1, 0);
    status = RegQueryValueExA(key, valueName.constData(), nullptr, &type, data.data(), &size);
    if (status != ERROR_SUCCESS)
        return status;
    switch (type) {
    case REG_SZ:
        value = QString::fromLocal8Bit(reinterpret_cast<const char*>(data.data()),
                                       static_cast<qsizetype>(size));
        return ERROR_SUCCESS;
    case REG_DWORD:
        value = static_cast<quint32>(dwordOf(data.data(), size, false));
        return ERROR_SUCCESS;
    default:
        return -1;
    }
}

QString RegWR::ReadRegString(HKEY root, const QString& subkey, const QString& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subkey.toLocal8Bit().constData(), 0, OpenAccess, &key) != ERROR_SUCCESS)
        return {};
    QVariant value;
    const LONG status = ReadRegValue(key, name, value);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? value.toString() : QString();
}

QStringList RegWR::SplitMultiString(const QByteArray& buffer) {
    QStringList items;
    for (const QByteArray& piece : buffer.split('\0'))
        items.append(QString::fromLocal8Bit(piece));
    // The buffer ends with two NULs; what follows the last item is no item.
    while (!items.isEmpty() && items.last().isEmpty())
        items.removeLast();
    return items;
}

QString RegWR::ListSerialPorts(PortNumbers& /*numbers*/) {
    HKEY key = nullptr;
    if (RegOpenKeyA(HKEY_LOCAL_MACHINE, SerialCommKey, &key) != ERROR_SUCCESS)
        return {};
    DWORD maxData = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                     &maxData, nullptr, nullptr);
    QString listing;
    for (DWORD index = 0;; ++index) {
        char name[NameBufferSize] = {};
        DWORD nameLength = NameBufferSize;
        std::vector<unsigned char> data(maxData + 2, 0);
        DWORD dataSize = maxData + 1;
        DWORD type = 0;
        if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data.data(), &dataSize) !=
            ERROR_SUCCESS)
            break;
        listing += linesFor(cutText(name, nameLength), type, data, dataSize);
    }
    RegCloseKey(key);
    return listing;
}

bool RegWR::DriverInstalled() {
    const QString installer =
        ReadRegString(HKEY_LOCAL_MACHINE, QString::fromLatin1(DriverInstallerKey), QString());
    return installer.contains(DriverInstallerFile, Qt::CaseInsensitive);
}

#endif
