#pragma once

#include "settings/IniDocument.h"

#include <QList>
#include <QString>

#include <optional>
#include <stdexcept>

namespace folionix {

struct EIniFileException : std::runtime_error {
    using runtime_error::runtime_error;
};

// The integer rule shared by numbers, flags and colours: leading spaces, then a decimal literal
// with an optional sign or a hex literal ("$", "x", "X", "0x", "0X") of at most 32 significant
// bits, and nothing after it.
std::optional<qint32> ParseInteger(QStringView text);

// The settings file sits beside the executable: its path with the extension replaced by ".INI".
QString SettingsFilePath();
QString SettingsFilePathFor(const QString &executablePath);
bool SettingsFileExists();

// One accessor per operation. Reads never fail: a missing or unreadable file, section or key
// gives the caller's default. Each write is a locked read-modify-write that replaces the file
// atomically, and throws EIniFileException("Unable to write to <path>") when refused.
class TSettingsFile {
public:
    explicit TSettingsFile(const QString &path);
    TSettingsFile(const TSettingsFile &) = delete;
    TSettingsFile &operator=(const TSettingsFile &) = delete;

    QString ReadText(const QString &section, const QString &key, const QString &def) const;
    qint32 ReadNumber(const QString &section, const QString &key, qint32 def) const;
    bool ReadFlag(const QString &section, const QString &key, bool def) const;

    void WriteText(const QString &section, const QString &key, const QString &value);
    void WriteNumber(const QString &section, const QString &key, qint32 value);
    void WriteFlag(const QString &section, const QString &key, bool value);
    // Several keys in one replacement of the file: all of them reach the disk, or none.
    using KeyValues = QList<std::pair<QString, QString>>;
    void WriteTexts(const QString &section, const KeyValues &values);

    // The stored forms of numbers and flags.
    static QString NumberText(qint32 value) { return QString::number(value); }
    static QString FlagText(bool value)
    {
        return value ? QStringLiteral("1") : QStringLiteral("0");
    }

    const QString &path() const { return m_path; }

private:
    const IniDocument &document() const;
    [[noreturn]] void refuse() const;

    QString m_path;
    // The file is read at most once per accessor; writes re-read it under the lock.
    mutable std::optional<IniDocument> m_document;
};

} // namespace folionix
