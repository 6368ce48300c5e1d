#include "settings/IniDocument.h"

#include "settings/HexDigit.h"

#include <QSet>
#include <QStringEncoder>

#include <array>

namespace folionix {

namespace {

constexpr char Utf8Bom[] = "\xEF\xBB\xBF";

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

QStringView trimmed(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Windows-1252 bytes 0x80..0x9F; the five undefined ones map to the C1 controls.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        *out++ = (b >= 0x80 && b < 0xA0) ? Cp1252High[b - 0x80] : char16_t(b);
    }
    return text;
}

QString decodeFile(QByteArrayView bytes)
{
    // Valid UTF-8 encodes back to the same bytes; that is what keeps untouched lines byte for
    // byte as they were.
    return bytes.isValidUtf8() ? QString::fromUtf8(bytes) : fromCp1252(bytes);
}

struct Line {
    qsizetype begin; // first character
    qsizetype end;   // one past the last character, line break excluded
    qsizetype next;  // start of the following line (== end when there is no line break)
};

Line lineAt(QStringView text, qsizetype pos)
{
    const char16_t *data = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = pos;
    while (i < size && data[i] != u'\n' && data[i] != u'\r')
        ++i;
    qsizetype next = i;
    if (next < size) {
        next += (data[next] == u'\r' && next + 1 < size && data[next + 1] == u'\n') ? 2 : 1;
    }
    return {pos, i, next};
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    QStringView name;         // section or key name, trimmed
    qsizetype valueBegin = 0; // absolute: first character after "=" and its blanks
};

ParsedLine parseLine(QStringView text, const Line &line)
{
    const QStringView content = text.mid(line.begin, line.end - line.begin);
    qsizetype i = 0;
    while (i < content.size() && isBlank(content[i]))
        ++i;
    if (i == content.size() || content[i] == u';' || content[i] == u'#')
        return {};
    if (content[i] == u'[') {
        const qsizetype close = content.indexOf(u']', i + 1);
        const qsizetype stop = close < 0 ? content.size() : close;
        return {LineKind::Section, trimmed(content.mid(i + 1, stop - i - 1)), 0};
    }
    const qsizetype eq = content.indexOf(u'=', i);
    if (eq < 0)
        return {};
    qsizetype v = eq + 1;
    while (v < content.size() && isBlank(content[v]))
        ++v;
    return {LineKind::Key, trimmed(content.mid(i, eq - i)), line.begin + v};
}

// Calls visit(line, parsed) for each line in order until it returns false.
template<typename Visit> void forEachLine(QStringView text, Visit visit)
{
    for (qsizetype pos = 0; pos < text.size();) {
        const Line line = lineAt(text, pos);
        if (!visit(line, parseLine(text, line)))
            return;
        pos = line.next;
    }
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool needsQuotes(QStringView value)
{
    if (value.isEmpty())
        return false;
    if (isBlank(value.front()) || isBlank(value.back()))
        return true;
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return true;
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

} // namespace

struct IniDocument::Location {
    qsizetype sectionEnd = -1;      // insertion point after the section's last non-blank line
    qsizetype sectionEndBreak = -1; // where that line's own line break starts
    qsizetype valueBegin = -1;      // the key's value, when found
    qsizetype valueEnd = -1;
};

IniDocument IniDocument::fromBytes(const QByteArray &bytes)
{
    IniDocument doc;
    QByteArrayView view(bytes);
    if (view.startsWith(QByteArrayView(Utf8Bom))) {
        doc.m_byteOrderMark = true;
        view = view.sliced(3);
    }
    doc.m_text = decodeFile(view);
    return doc;
}

QByteArray IniDocument::toBytes() const
{
    QByteArray out = m_byteOrderMark ? QByteArray(Utf8Bom) : QByteArray();
    out += m_text.toUtf8();
    return out;
}

IniDocument::Location IniDocument::locate(QStringView section, QStringView key) const
{
    const QStringView text(m_text);
    Location loc;
    bool inSection = false;
    forEachLine(text, [&](const Line &line, const ParsedLine &parsed) {
        if (parsed.kind == LineKind::Section) {
            if (inSection)
                return false; // only the first section of that name counts
            inSection = sameName(parsed.name, section);
        }
        if (!inSection)
            return true;
        if (!trimmed(text.mid(line.begin, line.end - line.begin)).isEmpty()) {
            loc.sectionEnd = line.next;
            loc.sectionEndBreak = line.end;
        }
        if (parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
            loc.valueBegin = parsed.valueBegin;
            loc.valueEnd = line.end;
            return false;
        }
        return true;
    });
    return loc;
}

void IniDocument::buildIndex() const
{
    m_index.clear();
    QSet<QString> seenSections;
    QString current;
    bool inFirstOccurrence = false;
    forEachLine(m_text, [&](const Line &line, const ParsedLine &parsed) {
        if (parsed.kind == LineKind::Section) {
            current = parsed.name.toString().toCaseFolded();
            inFirstOccurrence = !seenSections.contains(current);
            seenSections.insert(current);
        } else if (parsed.kind == LineKind::Key && inFirstOccurrence) {
            std::pair<QString, QString> name{current, parsed.name.toString().toCaseFolded()};
            if (!m_index.contains(name)) // the first key of a name wins
                m_index.insert(std::move(name), {parsed.valueBegin, line.end});
        }
        return true;
    });
    m_indexed = true;
}

std::optional<QString> IniDocument::value(QStringView section, QStringView key) const
{
    // One read scans; a second one builds the index that serves every read after it.
    if (!m_indexed && !m_scannedOnce) {
        m_scannedOnce = true;
        const Location loc = locate(section, key);
        if (loc.valueBegin < 0)
            return std::nullopt;
        return decodeValue(
            trimmed(QStringView(m_text).mid(loc.valueBegin, loc.valueEnd - loc.valueBegin)));
    }
    if (!m_indexed)
        buildIndex();
    const auto found =
        m_index.constFind({section.toString().toCaseFolded(), key.toString().toCaseFolded()});
    if (found == m_index.cend())
        return std::nullopt;
    const QStringView stored = QStringView(m_text).mid(found->begin, found->end - found->begin);
    return decodeValue(trimmed(stored));
}

QString IniDocument::lineBreak() const
{
    // New lines follow the file's first line break; a new file gets LF.
    const Line first = lineAt(m_text, 0);
    return first.next > first.end ? m_text.mid(first.end, first.next - first.end)
                                  : QStringLiteral("\n");
}

void IniDocument::setValue(QStringView section, QStringView key, QStringView value)
{
    m_indexed = false;
    m_scannedOnce = false;
    m_index.clear();
    const QString stored = encodeValue(value);
    const Location loc = locate(section, key);
    if (loc.valueBegin >= 0) {
        m_text.replace(loc.valueBegin, loc.valueEnd - loc.valueBegin, stored);
        return;
    }
    const QString eol = lineBreak();
    const QString keyLine = key.toString() + u'=' + stored;
    if (loc.sectionEnd >= 0) {
        // The new line ends like the line before it, so a lone CR never meets a following LF
        // and turns two lines into one.
        const QString before =
            m_text.mid(loc.sectionEndBreak, loc.sectionEnd - loc.sectionEndBreak);
        if (before.isEmpty())
            m_text.insert(loc.sectionEnd, eol + keyLine + eol);
        else
            m_text.insert(loc.sectionEnd, keyLine + before);
        return;
    }
    if (!m_text.isEmpty() && !m_text.endsWith(u'\n') && !m_text.endsWith(u'\r'))
        m_text += eol;
    m_text += u'[' + section.toString() + u']' + eol + keyLine + eol;
}

QString IniDocument::encodeValue(QStringView value)
{
    if (!needsQuotes(value))
        return value.toString();
    QString out;
    out.reserve(value.size() + 8);
    out += u'"';
    for (const QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            out += QLatin1String("\\\\");
            break;
        case u'"':
            out += QLatin1String("\\\"");
            break;
        case u'\n':
            out += QLatin1String("\\n");
            break;
        case u'\r':
            out += QLatin1String("\\r");
            break;
        case u'\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString IniDocument::decodeValue(QStringView stored)
{
    if (stored.size() < 2 || stored.front() != u'"' || stored.back() != u'"')
        return stored.toString();
    const QStringView inner = stored.mid(1, stored.size() - 2);

    // Length of the escape at i, or 0 when the backslash there starts none of ours.
    auto escapeLength = [&](qsizetype i) -> qsizetype {
        if (i + 1 >= inner.size())
            return 0;
        switch (inner[i + 1].unicode()) {
        case u'\\':
        case u'"':
        case u'n':
        case u'r':
        case u't':
            return 2;
        case u'x':
            return (i + 3 < inner.size() && hexDigitValue(inner[i + 2]) >= 0 &&
                    hexDigitValue(inner[i + 3]) >= 0)
                       ? 4
                       : 0;
        default:
            return 0;
        }
    };
    // We escape every backslash we write. A quoted value with a backslash that starts no escape
    // was written by someone else (say, a quoted Windows path): only its quotes come off.
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] == u'\\') {
            const qsizetype length = escapeLength(i);
            if (length == 0)
                return inner.toString();
            i += length - 1;
        }
    }

    QString out;
    out.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        if (inner[i] != u'\\') {
            out += inner[i];
            continue;
        }
        const QChar e = inner[i + 1];
        switch (e.unicode()) {
        case u'n':
            out += u'\n';
            break;
        case u'r':
            out += u'\r';
            break;
        case u't':
            out += u'\t';
            break;
        case u'x':
            out += QChar(hexDigitValue(inner[i + 2]) * 16 + hexDigitValue(inner[i + 3]));
            i += 2;
            break;
        default:
            out += e; // a backslash or a quote
        }
        ++i;
    }
    return out;
}

} // namespace folionix
