#include "ui/settings_ini.h"

#include <QStringList>
#include <cstring>

namespace vespera::ui {
namespace {

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool is_special(char c) { return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\'; }

bool is_hex_digit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

unsigned hex_value(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return static_cast<unsigned>(c - 'A' + 10);
}

// One logical line as QSettings splits the file: quotes may span line ends,
// a backslash escapes the next byte, ";" at the line's start makes a comment
// and elsewhere (outside quotes) ends the line. Returns false at the end.
bool read_line(const QByteArray& data, qsizetype& position, qsizetype& line_start, qsizetype& line_length,
               qsizetype& equals_at) {
    const qsizetype size = data.size();
    bool in_quotes = false;
    equals_at = -1;
    line_start = position;
    while (line_start < size && is_space(data.at(line_start))) ++line_start;
    qsizetype i = line_start;
    while (i < size) {
        while (i < size && !is_special(data.at(i))) ++i;
        if (i == size) break;
        const char c = data.at(i++);
        if (c == '=') {
            if (!in_quotes && equals_at == -1) equals_at = i - 1;
        } else if (c == '\n' || c == '\r') {
            if (i == line_start + 1) {
                ++line_start;
            } else if (!in_quotes) {
                --i;
                break;
            }
        } else if (c == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n')) ++i;
                }
            }
        } else if (c == '"') {
            in_quotes = !in_quotes;
        } else { // ';'
            if (i == line_start + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r') ++i;
                line_start = i;
            } else if (!in_quotes) {
                --i;
                break;
            }
        }
    }
    position = i;
    line_length = i - line_start;
    return line_length > 0;
}

// "%XX", "%UXXXX" and "\" (for "/") as QSettings escapes keys and sections.
QString unescaped_key(const QByteArray& raw) {
    if (!raw.contains('%') && !raw.contains('\\')) return QString::fromLatin1(raw);
    QString result;
    qsizetype i = 0;
    const qsizetype size = raw.size();
    while (i < size) {
        const char c = raw.at(i);
        if (c == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != '%' || i == size - 1) {
            result += QChar::fromLatin1(c);
            ++i;
            continue;
        }
        qsizetype first_digit = i + 1;
        qsizetype digits = 2;
        if (raw.at(i + 1) == 'U') {
            ++first_digit;
            digits = 4;
        }
        bool valid = first_digit + digits <= size;
        unsigned code = 0;
        for (qsizetype k = first_digit; valid && k < first_digit + digits; ++k) {
            valid = is_hex_digit(raw.at(k));
            if (valid) code = code * 16 + hex_value(raw.at(k));
        }
        if (!valid) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(static_cast<char16_t>(code));
        i = first_digit + digits;
    }
    return result;
}

void chop_trailing_blanks(QString& text, qsizetype limit) {
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t')) text.chop(1);
}

// The one-letter C escapes; 0 for any other byte.
char16_t simple_escape(char code) {
    switch (code) {
    case 'a': return u'\a';
    case 'b': return u'\b';
    case 'f': return u'\f';
    case 'n': return u'\n';
    case 'r': return u'\r';
    case 't': return u'\t';
    case 'v': return u'\v';
    case '"': return u'"';
    case '?': return u'?';
    case '\'': return u'\'';
    case '\\': return u'\\';
    default: return 0;
    }
}

struct Unescaped {
    QString text;
    QStringList list;
    bool is_list = false;
};

// A value's text as QSettings unescapes it: quoted parts keep their blanks,
// unquoted commas split it into a list, C escapes (\n, \x41, \101).
Unescaped unescaped_value(const QByteArray& raw) {
    Unescaped result;
    bool in_quotes = false;
    bool current_quoted = false;
    qsizetype chop_limit = 0;
    const qsizetype size = raw.size();
    qsizetype i = 0;
    const auto skip_blanks = [&] {
        while (i < size && (raw.at(i) == ' ' || raw.at(i) == '\t')) ++i;
        chop_limit = result.text.size();
    };
    // \x and octal escapes give one UTF-16 unit, as QSettings' QChar does.
    const auto escaped_number = [&](unsigned base, unsigned value) {
        while (i < size) {
            const char c = raw.at(i);
            const bool digit = base == 16 ? is_hex_digit(c) : (c >= '0' && c <= '7');
            if (!digit) break;
            value = (value * base + (base == 16 ? hex_value(c) : static_cast<unsigned>(c - '0'))) & 0xFFFFFFu;
            ++i;
        }
        result.text += QChar(static_cast<char16_t>(value & 0xFFFFu));
    };
    // An escape that the value ends in leaves the blanks before it, as in QSettings.
    bool ended_in_escape = false;
    skip_blanks();
    while (i < size) {
        const char c = raw.at(i);
        if (c == '\\') {
            ++i;
            if (i >= size) {
                ended_in_escape = true;
                break;
            }
            const char code = raw.at(i++);
            const char16_t simple = simple_escape(code);
            if (simple != 0) {
                result.text += QChar(simple);
                chop_limit = result.text.size();
                continue;
            }
            if (code == 'x') {
                if (i >= size) {
                    ended_in_escape = true;
                    break;
                }
                if (is_hex_digit(raw.at(i))) escaped_number(16, 0);
            } else if (code >= '0' && code <= '7') {
                escaped_number(8, static_cast<unsigned>(code - '0'));
            } else if (code == '\n' || code == '\r') {
                if (i < size && (raw.at(i) == '\n' || raw.at(i) == '\r') && raw.at(i) != code) ++i;
            }
            // Any other escaped byte is dropped.
            chop_limit = result.text.size();
        } else if (c == '"') {
            ++i;
            current_quoted = true;
            in_quotes = !in_quotes;
            if (!in_quotes) skip_blanks();
        } else if (c == ',' && !in_quotes) {
            if (!current_quoted) chop_trailing_blanks(result.text, chop_limit);
            result.is_list = true;
            result.list.append(result.text);
            result.text.clear();
            current_quoted = false;
            ++i;
            skip_blanks();
        } else {
            qsizetype j = i + 1;
            while (j < size && raw.at(j) != '\\' && raw.at(j) != '"' && raw.at(j) != ',') ++j;
            result.text += QString::fromUtf8(raw.constData() + i, j - i);
            i = j;
        }
    }
    if (!current_quoted && !ended_in_escape) chop_trailing_blanks(result.text, chop_limit);
    if (result.is_list) result.list.append(result.text);
    return result;
}

// QSettings marks typed values "@Type(…)" and doubles a leading "@" of a
// plain text. Of the typed ones only "@String(…)" is text.
IniValue text_value(const QString& text) {
    if (!text.startsWith(u'@')) return {IniValue::Kind::text, text};
    if (text.startsWith(QLatin1String("@@"))) return {IniValue::Kind::text, text.mid(1)};
    if (text.endsWith(u')')) {
        if (text.startsWith(QLatin1String("@String("))) return {IniValue::Kind::text, text.mid(8, text.size() - 9)};
        for (const char* tag : {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point(", "@Invalid("}) {
            if (text.startsWith(QLatin1String(tag))) return {IniValue::Kind::refused, {}};
        }
    }
    return {IniValue::Kind::text, text};
}

QByteArray escaped_key(const QString& key) {
    QByteArray result;
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            result += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' ||
                   c == u'-' || c == u'.') {
            result += static_cast<char>(c);
        } else if (c <= 0xFF) {
            result += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        } else {
            result += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
        }
    }
    return result;
}

bool ends_on_its_line(const QByteArray& line) {
    const QByteArray probe = line + "\nx=1\n";
    qsizetype position = 0, line_start = 0, line_length = 0, equals_at = -1;
    return read_line(probe, position, line_start, line_length, equals_at) && line_start + line_length <= line.size();
}

} // namespace

IniFile IniFile::parse(const QByteArray& content) {
    IniFile file;
    std::size_t current = static_cast<std::size_t>(&file.section(QString()) - file.sections_.data());
    qsizetype position = content.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    qsizetype line_start = 0, line_length = 0, equals_at = -1;
    while (read_line(content, position, line_start, line_length, equals_at)) {
        if (content.at(line_start) == '[') {
            // Only this line is searched: a file of headers without "]" stays linear.
            const char* first = content.constData() + line_start + 1;
            const void* close = std::memchr(first, ']', static_cast<std::size_t>(line_length - 1));
            const char* end = close ? static_cast<const char*>(close) : first + line_length - 1;
            // QByteArray::trimmed's blanks.
            const auto blank = [](char c) { return is_space(c) || c == '\v' || c == '\f'; };
            while (first < end && blank(*first)) ++first;
            while (end > first && blank(end[-1])) --end;
            // A view of the file's bytes: a header costs no copy of its own.
            const QByteArray raw = QByteArray::fromRawData(first, end - first);
            QString name;
            if (raw.compare("general", Qt::CaseInsensitive) == 0) {
                name.clear();
            } else if (raw.compare("%general", Qt::CaseInsensitive) == 0) {
                name = QString::fromLatin1(raw.mid(1));
            } else {
                name = unescaped_key(raw);
            }
            Section& found = file.section(name);
            current = static_cast<std::size_t>(&found - file.sections_.data());
            continue;
        }
        if (equals_at == -1) continue;
        qsizetype key_end = equals_at;
        while (key_end > line_start && (content.at(key_end - 1) == ' ' || content.at(key_end - 1) == '\t')) --key_end;
        Entry entry;
        entry.raw_key = content.mid(line_start, key_end - line_start);
        entry.key = unescaped_key(entry.raw_key);
        entry.raw_value = content.mid(equals_at + 1, line_start + line_length - equals_at - 1);
        file.sections_[current].entries.push_back(std::move(entry));
    }
    return file;
}

IniFile::Section& IniFile::section(const QString& name) {
    if (sections_.empty()) {
        sections_.push_back({});
        index_.insert(QString(), 0);
    }
    if (const auto found = index_.constFind(name); found != index_.constEnd()) return sections_[*found];
    Section added;
    added.name = name;
    index_.insert(name, sections_.size());
    sections_.push_back(std::move(added));
    return sections_.back();
}

std::size_t IniFile::foreignSections(const QString& own) const {
    std::size_t count = 0;
    for (const Section& s : sections_) count += !s.name.isEmpty() && s.name != own && !s.entries.empty();
    return count;
}

void IniFile::dropForeignSectionsBeyond(std::size_t keep, const QString& own) {
    std::vector<Section> kept;
    std::size_t foreign = 0;
    for (Section& s : sections_) {
        // The keys before any section are a part of the file, not a section.
        const bool foreign_section = !s.name.isEmpty() && s.name != own && !s.entries.empty();
        if (foreign_section && foreign++ >= keep) continue;
        kept.push_back(std::move(s));
    }
    sections_ = std::move(kept);
    index_.clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) index_.insert(sections_[i].name, i);
}

IniValue IniFile::value(const QString& section_name, const QString& key) const {
    const auto found = index_.constFind(section_name);
    if (found == index_.constEnd()) return {};
    const Section& s = sections_[*found];
    for (auto entry = s.entries.rbegin(); entry != s.entries.rend(); ++entry) {
        if (entry->key != key) continue;
        const Unescaped value = unescaped_value(entry->raw_value);
        if (!value.is_list) return text_value(value.text);
        QStringList parts;
        for (const QString& part : value.list) {
            const IniValue item = text_value(part);
            // A list holding a typed value reads as a list of variants, never as text.
            if (item.kind != IniValue::Kind::text || (part.startsWith(u'@') && !part.startsWith(QLatin1String("@@")))) {
                return {IniValue::Kind::refused, {}};
            }
            parts << item.text;
        }
        return {IniValue::Kind::text, parts.join(u',')};
    }
    return {};
}

void IniFile::setText(const QString& section_name, const QString& key, const QString& text) {
    Section& s = section(section_name);
    Entry entry{key, escaped_key(key), ini_escaped_text(text)};
    bool placed = false;
    std::vector<Entry> kept;
    for (Entry& old : s.entries) {
        if (old.key != key) {
            kept.push_back(std::move(old));
        } else if (!placed) {
            kept.push_back(entry);
            placed = true;
        }
    }
    if (!placed) kept.push_back(std::move(entry));
    s.entries = std::move(kept);
}

QByteArray IniFile::serialize() const {
    QByteArray out;
    for (const Section& s : sections_) {
        if (s.entries.empty()) continue;
        if (!out.isEmpty()) out += '\n';
        // Headers as QSettings writes them; "General" itself is escaped.
        if (s.name.isEmpty()) {
            out += "[General]";
        } else if (s.name.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            out += "[%" + escaped_key(s.name) + ']';
        } else {
            out += '[' + escaped_key(s.name) + ']';
        }
        out += '\n';
        for (const Entry& entry : s.entries) {
            const QByteArray line = entry.raw_key + '=' + entry.raw_value;
            // An unclosed quote or a final backslash ran on to the file's end
            // when read; written back with lines after it, it would swallow
            // them, and with them the place saved now.
            if (ends_on_its_line(line)) out += line + '\n';
        }
    }
    return out;
}

QByteArray ini_escaped_text(const QString& plain) {
    const QString text = plain.startsWith(u'@') ? u'@' + plain : plain;
    QByteArray result;
    bool needs_quotes = false;
    bool escape_next_if_hex = false;
    const QByteArray utf8 = text.toUtf8();
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == ';' || c == ',' || c == '=') needs_quotes = true;
        if (escape_next_if_hex && is_hex_digit(c)) {
            result += "\\x" + QByteArray::number(byte, 16);
            continue;
        }
        escape_next_if_hex = false;
        switch (c) {
        case '\0': result += "\\0"; escape_next_if_hex = true; break;
        case '\a': result += "\\a"; break;
        case '\b': result += "\\b"; break;
        case '\f': result += "\\f"; break;
        case '\n': result += "\\n"; break;
        case '\r': result += "\\r"; break;
        case '\t': result += "\\t"; break;
        case '\v': result += "\\v"; break;
        case '"':
        case '\\': result += '\\'; result += c; break;
        default:
            if (byte <= 0x1F || byte == 0x7F) {
                result += "\\x" + QByteArray::number(byte, 16);
                escape_next_if_hex = true;
            } else {
                result += c;
            }
        }
    }
    if (needs_quotes || result.startsWith(' ') || result.endsWith(' ')) result = '"' + result + '"';
    return result;
}

} // namespace vespera::ui
