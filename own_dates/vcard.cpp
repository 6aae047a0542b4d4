#include "own_dates/vcard.h"

#include <algorithm>

#include "base/text.h"
#include "own_dates/own_date.h"

namespace vespera::own_dates {
namespace {

bool digits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view text) {
    int n = 0;
    for (const char c : text) n = n * 10 + (c - '0');
    return n;
}

bool leap(std::int64_t year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int days_in_month(std::optional<std::int64_t> year, int month) {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year && !leap(*year)) return 28;
    return kDays[month - 1];
}

// RFC 6350 3.3: [group "."] name *(";" param) ":" value.
struct ContentLine {
    std::string name;                                        // upper case, without its group
    std::vector<std::pair<std::string, std::string>> params; // key upper case, value as written
    std::string_view value;

    std::string param(std::string_view key) const {
        for (const auto& [k, v] : params) {
            if (k == key) return v;
        }
        return {};
    }
};

std::optional<ContentLine> split_line(std::string_view line) {
    std::size_t name_end = 0;
    while (name_end < line.size() && line[name_end] != ';' && line[name_end] != ':') ++name_end;
    if (name_end == 0 || name_end == line.size()) return std::nullopt;
    ContentLine result;
    std::string_view name = line.substr(0, name_end);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) name.remove_prefix(dot + 1);
    result.name = upper_ascii(name);
    std::size_t at = name_end;
    bool quoted = false;
    std::size_t param_start = at + 1;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') quoted = !quoted;
        if (quoted || (c != ';' && c != ':')) continue;
        if (at > name_end) {
            const std::string_view param = line.substr(param_start, at - param_start);
            const std::size_t equals = param.find('=');
            if (equals != std::string_view::npos) {
                std::string value(param.substr(equals + 1));
                std::erase(value, '"');
                result.params.emplace_back(upper_ascii(param.substr(0, equals)), std::move(value));
            }
        }
        param_start = at + 1;
        if (c == ':') break;
    }
    if (at == line.size()) return std::nullopt;
    result.value = line.substr(at + 1);
    return result;
}

// RFC 6350 3.4: \n, \, \; and \\; in a name a line break is a blank.
std::string unescaped(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += (next == 'n' || next == 'N') ? ' ' : next;
    }
    return text;
}

// The components of N split at semicolons that are not escaped.
std::vector<std::string> name_parts(std::string_view value) {
    std::vector<std::string> parts(1);
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            parts.back() += value.substr(i, 2);
            ++i;
        } else if (value[i] == ';') {
            parts.emplace_back();
        } else {
            parts.back() += value[i] == ',' ? ' ' : value[i];
        }
    }
    for (std::string& part : parts) part = clean_title(unescaped(part));
    return parts;
}

struct CardBuilder {
    std::string version;
    std::string uid, formatted_name, structured_name;
    bool name_encoded = false;
    std::optional<std::string> birthday_value, anniversary_value;
    std::string birthday_omit_year, anniversary_omit_year;
    bool birthday_text = false, anniversary_text = false;
    bool too_long = false;
    bool nested = false;
};

std::string quoted(std::string_view name) { return "„" + std::string(name) + "“"; }

void finish_card(CardBuilder& builder, std::size_t ordinal, CardRead& read) {
    std::string name = !builder.formatted_name.empty() ? builder.formatted_name : builder.structured_name;
    const std::string label = name.empty() ? "Karte " + std::to_string(ordinal + 1) : name;
    if (builder.too_long) {
        read.refused.push_back({label, "Eine Zeile ist länger als 64 KB."});
        return;
    }
    if (builder.nested) {
        read.refused.push_back({label, "Die Karte enthält eine weitere Karte."});
        return;
    }
    if (builder.version != "3.0" && builder.version != "4.0") {
        read.refused.push_back({label, builder.version.empty()
                                           ? "Die Karte nennt keine vCard-Version."
                                           : "vCard " + builder.version + " wird nicht gelesen, nur 3.0 und 4.0."});
        return;
    }
    if (!builder.birthday_value && !builder.anniversary_value) {
        ++read.without_dates;
        return;
    }
    Card card{builder.uid, std::move(name), std::nullopt, std::nullopt};
    const auto date_of = [&](const std::optional<std::string>& value, bool text, const std::string& omit_year,
                             std::string_view what) -> std::optional<CardDate> {
        if (!value) return std::nullopt;
        std::optional<CardDate> date = text ? std::nullopt : parse_card_date(*value);
        if (date && date->year && !omit_year.empty() && omit_year == std::to_string(*date->year)) date->year.reset();
        if (!date) {
            read.refused.push_back({label, std::string(what) + " " + quoted(clean_title(*value)) + " ist kein Tag."});
        }
        return date;
    };
    card.birthday =
        date_of(builder.birthday_value, builder.birthday_text, builder.birthday_omit_year, "Das Geburtsdatum");
    card.anniversary =
        date_of(builder.anniversary_value, builder.anniversary_text, builder.anniversary_omit_year, "Der Jahrestag");
    if (card.birthday || card.anniversary) read.cards.push_back(std::move(card));
}

// The properties a card is read for; any other line may be of any length.
bool wanted(std::string_view name) {
    return name == "BEGIN" || name == "END" || name == "VERSION" || name == "UID" || name == "FN" || name == "N" ||
           name == "BDAY" || name == "ANNIVERSARY" || name == "X-ANNIVERSARY";
}

std::string_view name_of(std::string_view line) {
    const std::size_t end = line.find_first_of(";:");
    std::string_view name = line.substr(0, end);
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) name.remove_prefix(dot + 1);
    return name;
}

} // namespace

std::optional<CardDate> parse_card_date(std::string_view value) {
    if (const std::size_t t = value.find('T'); t != std::string_view::npos) {
        const std::string_view time = value.substr(t + 1);
        if (time.empty() || time.find_first_not_of("0123456789:+-Z.,") != std::string_view::npos) return std::nullopt;
        value = value.substr(0, t);
    }
    CardDate date;
    std::string_view month_day;
    if (value.substr(0, 2) == "--") {
        month_day = value.substr(2);
    } else if (value.size() == 8 && digits(value)) {
        date.year = number(value.substr(0, 4));
        month_day = value.substr(4);
    } else if (value.size() == 10 && value[4] == '-' && value[7] == '-' && digits(value.substr(0, 4))) {
        date.year = number(value.substr(0, 4));
        month_day = value.substr(5);
    } else {
        return std::nullopt;
    }
    // "MMDD" or "MM-DD".
    const bool dashed = month_day.size() == 5 && month_day[2] == '-';
    if (!(month_day.size() == 4 || dashed)) return std::nullopt;
    const std::string_view month_text = month_day.substr(0, 2);
    const std::string_view day_text = month_day.substr(dashed ? 3 : 2);
    if (!digits(month_text) || !digits(day_text)) return std::nullopt;
    date.month = number(month_text);
    date.day = number(day_text);
    if (date.year && (*date.year < 1 || *date.year > 9999)) return std::nullopt;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > days_in_month(date.year, date.month)) {
        return std::nullopt;
    }
    return date;
}

CardRead read_vcards(std::string_view bytes) {
    CardRead read;
    if (bytes.size() > kMaxVcardBytes) {
        read.error = "Die Datei ist größer als 32 MB und wird nicht gelesen.";
        return read;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        read.error = "Die Datei ist keine Textdatei (sie enthält Nullbytes) und wird nicht gelesen.";
        return read;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);

    std::size_t cards = 0, over_limit = 0;
    bool in_card = false, saw_card = false;
    CardBuilder builder;
    std::string logical;
    std::size_t logical_bytes = 0;
    const auto process = [&] {
        if (logical_bytes == 0) return;
        const std::string name = upper_ascii(name_of(logical));
        if (!wanted(name)) return;
        if (logical_bytes > kMaxVcardLineBytes) {
            if (in_card) builder.too_long = true;
            return;
        }
        const std::optional<ContentLine> line = split_line(logical);
        if (!line) return;
        const std::string value = upper_ascii(line->value);
        if (line->name == "BEGIN" && value == "VCARD") {
            saw_card = true;
            if (in_card) {
                builder.nested = true;
                return;
            }
            if (cards++ >= kMaxVcards) {
                ++over_limit;
                return;
            }
            in_card = true;
            builder = {};
            return;
        }
        if (!in_card) return;
        if (line->name == "END" && value == "VCARD") {
            finish_card(builder, cards - 1, read);
            in_card = false;
        } else if (line->name == "VERSION") {
            builder.version = std::string(line->value);
        } else if (line->name == "UID") {
            builder.uid = clean_title(line->value);
        } else if (line->name == "FN" && line->param("ENCODING").empty()) {
            builder.formatted_name = clean_title(unescaped(line->value));
        } else if (line->name == "N" && line->param("ENCODING").empty()) {
            const std::vector<std::string> parts = name_parts(line->value);
            std::string given = parts.size() > 1 ? parts[1] : "";
            builder.structured_name = clean_title(given.empty() ? parts[0] : given + " " + parts[0]);
        } else if (line->name == "BDAY" && !builder.birthday_value) {
            builder.birthday_value = std::string(line->value);
            builder.birthday_text = upper_ascii(line->param("VALUE")) == "TEXT";
            builder.birthday_omit_year = line->param("X-APPLE-OMIT-YEAR");
        } else if ((line->name == "ANNIVERSARY" || line->name == "X-ANNIVERSARY") && !builder.anniversary_value) {
            builder.anniversary_value = std::string(line->value);
            builder.anniversary_text = upper_ascii(line->param("VALUE")) == "TEXT";
            builder.anniversary_omit_year = line->param("X-APPLE-OMIT-YEAR");
        }
    };

    // Unfolding (RFC 6350 3.2): a line that starts with a blank or a tab
    // continues the one before. Lines not read are only measured.
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const bool continuation = !line.empty() && (line.front() == ' ' || line.front() == '\t');
        if (continuation) line.remove_prefix(1);
        if (!continuation) {
            process();
            logical.clear();
            logical_bytes = 0;
        }
        logical_bytes += line.size();
        if (logical.size() < kMaxVcardLineBytes + 1) {
            logical.append(line.substr(0, kMaxVcardLineBytes + 1 - logical.size()));
        }
    }
    process();
    if (in_card) {
        const std::string name = !builder.formatted_name.empty() ? builder.formatted_name : builder.structured_name;
        read.refused.push_back(
            {name.empty() ? "Karte " + std::to_string(cards) : name, "Die Karte endet nicht (END:VCARD fehlt)."});
    }
    if (!saw_card) {
        read.error = "Die Datei ist keine vCard-Datei (BEGIN:VCARD fehlt).";
        return read;
    }
    if (over_limit > 0) {
        read.refused.push_back(
            {std::to_string(over_limit) + " Karten", "Die Datei enthält mehr als " + std::to_string(kMaxVcards) +
                                                         " Karten; die übrigen werden nicht gelesen."});
    }
    return read;
}

} // namespace vespera::own_dates
