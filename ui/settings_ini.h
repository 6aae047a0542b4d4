// The settings file in QSettings' INI format, read and written without
// QSettings. QSettings decodes typed values ("@Variant(…)", "@ByteArray(…)")
// with the sizes they claim: 50 bytes made it ask for 100 GB. Here only text
// values are decoded; a typed value is refused as damaged, and the parsing
// allocates no more than the file's own size.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <cstddef>
#include <vector>

namespace vespera::ui {

struct IniValue {
    enum class Kind { absent, text, refused };
    Kind kind = Kind::absent;
    QString text; // for Kind::text; a list ("13,37" unquoted) joined with commas
};

class IniFile {
public:
    // Lines are read as QSettings reads them (sections, "key=value", quotes,
    // backslash escapes, ";" comments, UTF-8); a line without "=" is dropped.
    static IniFile parse(const QByteArray& content);

    // The last value of `key` in `section`, case-sensitive as QSettings on Unix.
    IniValue value(const QString& section, const QString& key) const;

    // Replaces every entry of `key` in `section` by one with `text`, where the
    // first stood, or adds it at the section's end (the section at the file's end).
    void setText(const QString& section, const QString& key, const QString& text);

    // Sections with entries other than `own` (the keys before any section count as none).
    std::size_t foreignSections(const QString& own) const;
    // Keeps `own`, the keys before any section and the first `keep` other
    // sections with entries; the rest go.
    void dropForeignSectionsBeyond(std::size_t keep, const QString& own);

    // Every other entry keeps its bytes; comments are dropped, as QSettings
    // drops them, and so is an entry that would run on into the next line.
    QByteArray serialize() const;

private:
    struct Entry {
        QString key;
        QByteArray raw_key;
        QByteArray raw_value;
    };
    struct Section {
        QString name; // empty: the keys before any section and "[General]"
        std::vector<Entry> entries;
    };
    Section& section(const QString& name);

    std::vector<Section> sections_;
    QHash<QString, std::size_t> index_; // name -> position in sections_: reading stays linear
};

// A text as QSettings writes a string value: escapes, and quotes where
// commas, semicolons, "=" or outer blanks would change its reading.
QByteArray ini_escaped_text(const QString& text);

} // namespace vespera::ui
