#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

namespace folionix {

// The text of an INI file, read leniently and written minimally.
//
// Reading: LF, CRLF or CR line ends; an optional UTF-8 byte-order mark; section and key names
// match without regard to case, blanks around names, "=" and values are ignored, and the first
// occurrence of a section or key wins. Lines starting with ";" or "#" are comments. A value in
// double quotes loses its quotes, and when every backslash in it starts one of the escapes we
// write (backslash, quote, n, r, t, xHH) those are decoded; any other value is taken as it is,
// so backslashes in paths stay literal. Bytes that are not valid UTF-8 are read as Windows-1252.
//
// Writing: a key's value is replaced where it stands, a new key goes after the last line of its
// section, a new section goes at the end; every other line keeps its bytes. A value that would
// not survive as it is (outer blanks, control characters, surrounding quotes) is written quoted.
class IniDocument {
public:
    static IniDocument fromBytes(const QByteArray &bytes);
    QByteArray toBytes() const;

    std::optional<QString> value(QStringView section, QStringView key) const;
    void setValue(QStringView section, QStringView key, QStringView value);

    // The stored form of a value and its inverse; exposed for the format tests.
    static QString encodeValue(QStringView value);
    static QString decodeValue(QStringView stored);

private:
    struct Location;
    Location locate(QStringView section, QStringView key) const;
    QString lineBreak() const;
    void buildIndex() const;

    QString m_text; // the file without its byte-order mark
    bool m_byteOrderMark = false;

    // Where each key's value stands, by case-folded section and key, built on the first read so
    // that a dozen reads of a large file cost one pass; a write drops it.
    struct ValueRange {
        qsizetype begin;
        qsizetype end;
    };
    mutable QHash<std::pair<QString, QString>, ValueRange> m_index;
    mutable bool m_indexed = false;
    mutable bool m_scannedOnce = false;
};

} // namespace folionix
