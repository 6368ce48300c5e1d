#include "settings/SettingsFile.h"

#include "settings/HexDigit.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace folionix {

std::optional<qint32> ParseInteger(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    auto isDigit = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };
    auto hexValue = [&](qsizetype at) { return at < n ? hexDigitValue(text[at]) : -1; };

    qsizetype hexStart = -1;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X'))
        hexStart = i + 1;
    else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X'))
        hexStart = i + 2;

    if (hexStart >= 0) {
        qsizetype j = hexStart;
        quint64 value = 0;
        int significant = 0;
        for (; hexValue(j) >= 0; ++j) {
            value = (value << 4) | quint64(hexValue(j));
            if (value != 0 && ++significant > 8)
                return std::nullopt;
        }
        if (j == hexStart || j != n)
            return std::nullopt;
        return qint32(quint32(value));
    }

    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (!isDigit(i))
        return std::nullopt;
    qint64 value = 0;
    for (; isDigit(i); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > 2147483648LL)
            return std::nullopt; // also keeps any run of digits from overflowing
    }
    if (i != n)
        return std::nullopt;
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return qint32(value);
}

QString SettingsFilePathFor(const QString &executablePath)
{
    // The last full stop counts only when no folder separator (or drive colon) follows it.
    qsizetype i = executablePath.size();
    while (i > 0) {
        const QChar c = executablePath[i - 1];
        if (c == u'.' || c == u'/' || c == u'\\' || c == u':')
            break;
        --i;
    }
    const bool hasExtension = i > 0 && executablePath[i - 1] == u'.';
    return (hasExtension ? executablePath.left(i - 1) : executablePath) + QLatin1String(".INI");
}

QString SettingsFilePath()
{
    return SettingsFilePathFor(QCoreApplication::applicationFilePath());
}

bool SettingsFileExists()
{
    return QFileInfo(SettingsFilePath()).isFile();
}

namespace {

bool hasWriteBit(const QFileInfo &info)
{
    return info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
}

} // namespace

TSettingsFile::TSettingsFile(const QString &path) : m_path(path) {}

const IniDocument &TSettingsFile::document() const
{
    if (!m_document) {
        QFile file(m_path);
        // A missing, unreadable or non-regular file reads as empty: every key gives its default.
        const bool readable = QFileInfo(m_path).isFile() && file.open(QIODevice::ReadOnly);
        m_document = readable ? IniDocument::fromBytes(file.readAll()) : IniDocument();
    }
    return *m_document;
}

QString TSettingsFile::ReadText(const QString &section, const QString &key,
                                const QString &def) const
{
    return document().value(section, key).value_or(def);
}

qint32 TSettingsFile::ReadNumber(const QString &section, const QString &key, qint32 def) const
{
    return ParseInteger(ReadText(section, key, QString())).value_or(def);
}

bool TSettingsFile::ReadFlag(const QString &section, const QString &key, bool def) const
{
    return ReadNumber(section, key, def ? 1 : 0) != 0;
}

void TSettingsFile::refuse() const
{
    throw EIniFileException(
        QCoreApplication::translate("folionix", "Unable to write to %1").arg(m_path).toStdString());
}

void TSettingsFile::WriteText(const QString &section, const QString &key, const QString &value)
{
    WriteTexts(section, {{key, value}});
}

void TSettingsFile::WriteTexts(const QString &section, const KeyValues &values)
{
    // Write through a symbolic link to its target, so the link stays a link.
    const QFileInfo info(m_path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : m_path;

    // A file or folder marked read-only is respected even by a user whom the system would let
    // write anyway (root, or the owner of a read-only folder replacing the file by rename).
    const QFileInfo targetInfo(target);
    const QFileInfo folderInfo(targetInfo.absolutePath());
    if ((targetInfo.exists() && (!targetInfo.isWritable() || !hasWriteBit(targetInfo))) ||
        !folderInfo.isWritable() || !hasWriteBit(folderInfo))
        refuse();

    // Two copies of the program saving at once must not lose each other's keys. A lock whose
    // holder died is recognised by its process id at once; one the holder was killed while
    // writing cannot name it and counts as stale after a second, far longer than any save holds it.
    QLockFile lock(target + QLatin1String(".lock"));
    lock.setStaleLockTime(1000);
    if (!lock.tryLock(5000))
        refuse();

    IniDocument doc;
    QFile current(target);
    if (current.exists()) {
        // Never replace a file we could not read: its contents would be lost.
        if (!QFileInfo(target).isFile() || !current.open(QIODevice::ReadOnly))
            refuse();
        const QByteArray bytes = current.readAll();
        if (current.error() != QFileDevice::NoError)
            refuse();
        doc = IniDocument::fromBytes(bytes);
        current.close();
    }
    for (const auto &[key, value] : values)
        doc.setValue(section, key, value);

    QSaveFile out(target);
    const QByteArray bytes = doc.toBytes();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        refuse();
    m_document = std::move(doc);
}

void TSettingsFile::WriteNumber(const QString &section, const QString &key, qint32 value)
{
    WriteText(section, key, NumberText(value));
}

void TSettingsFile::WriteFlag(const QString &section, const QString &key, bool value)
{
    WriteText(section, key, FlagText(value));
}

} // namespace folionix
