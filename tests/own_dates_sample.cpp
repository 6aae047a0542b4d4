// Writes termine.ics through the store with one date of every form the
// store writes, and beside it expected.json: what an independent reader
// must find (tests/own_dates_readback.py).
//   vespera_own_dates_sample <folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "ephemeris/calendar.h"
#include "own_dates/import.h"
#include "own_dates/store.h"

namespace {

namespace od = vespera::own_dates;

std::string write_file(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return {};
}

std::string json_text(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        out += c;
    }
    return out + "\"";
}

od::OwnDate date(std::string uid, std::string title, od::Kind kind, int year, int month, int day) {
    od::OwnDate d;
    d.uid = std::move(uid);
    d.title = std::move(title);
    d.kind = kind;
    d.first_day = vespera::day_number_in(vespera::Calendar::Gregorian, year, month, day);
    return d;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    const std::filesystem::path folder = argv[1];
    od::OwnDateStore store(folder / od::kStoreFileName, {write_file}, [] { return std::int64_t{1800000000}; });

    od::OwnDate anna = date("anna@vespera", "Anna", od::Kind::geburtstag, 1987, 4, 15);
    anna.repeat = od::Repeat::yearly;
    anna.note = "Blumen\nund Kuchen";
    anna.categories = {"Familie"};
    od::OwnDate lea = date("lea@vespera", "Lea „Schaltjahr“, geboren; 29.2.", od::Kind::geburtstag, 1996, 2, 29);
    lea.repeat = od::Repeat::yearly;
    od::OwnDate unknown = date("ohne-jahr@vespera", "Großtante Käthe mit einem Namen, der länger als eine Zeile ist",
                               od::Kind::geburtstag, static_cast<int>(od::kYearUnknown), 12, 24);
    unknown.repeat = od::Repeat::yearly;
    unknown.year_known = false;
    od::OwnDate wedding = date("hochzeit@vespera", "Hochzeitstag", od::Kind::jahrestag, 2002, 6, 1);
    wedding.repeat = od::Repeat::yearly;
    od::OwnDate trip = date("urlaub@vespera", "Urlaub", od::Kind::termin, 2027, 8, 2);
    trip.day_count = 14;
    od::OwnDate dentist = date("zahnarzt@vespera", "Zahnarzt", od::Kind::termin, 2027, 4, 2);
    dentist.start_seconds = 10 * 3600 + 30 * 60;
    dentist.duration_seconds = 45 * 60;
    od::OwnDate call = date("anruf@vespera", "Anruf", od::Kind::termin, 2027, 4, 1);
    call.start_seconds = 23 * 3600;
    call.clock = vespera::ical::Clock::utc;
    for (const od::OwnDate& d : {anna, lea, unknown, wedding, trip, dentist, call}) {
        const od::Change change = store.add(d);
        if (!change.ok) {
            std::fprintf(stderr, "%s: %s\n", d.uid.c_str(), change.message.c_str());
            return 1;
        }
    }
    const od::ImportReport imported = store.import(od::read_import(
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:kurs@example\r\nSUMMARY:Kurs\r\n"
        "DTSTART;TZID=Europe/Berlin:20270104T180000\r\nDTEND;TZID=Europe/Berlin:20270104T193000\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=10\r\nEXDATE;TZID=Europe/Berlin:20270111T180000\r\nLOCATION:VHS\\, Raum 2\r\n"
        "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Kurs\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\nEND:"
        "VCALENDAR\r\n"));
    if (imported.added != 1) {
        std::fprintf(stderr, "%s\n", imported.message.c_str());
        return 1;
    }

    // uid, summary, description, categories, DTSTART as written, RRULE.
    std::ofstream json(folder / "expected.json");
    json << "[\n";
    const struct {
        const char* uid;
        const char* dtstart;
        const char* rrule;
    } forms[] = {{"anna@vespera", "19870415", "FREQ=YEARLY"},
                 {"lea@vespera", "19960229", "FREQ=YEARLY"},
                 {"ohne-jahr@vespera", "16041224", "FREQ=YEARLY"},
                 {"hochzeit@vespera", "20020601", "FREQ=YEARLY"},
                 {"urlaub@vespera", "20270802", ""},
                 {"zahnarzt@vespera", "20270402T103000", ""},
                 {"anruf@vespera", "20270401T230000Z", ""},
                 {"kurs@example", "TZID=Europe/Berlin:20270104T180000", "FREQ=WEEKLY;COUNT=10"}};
    for (std::size_t i = 0; i < store.dates().size(); ++i) {
        const od::OwnDate& d = store.dates()[i];
        std::string categories = json_text(od::kind_name(d.kind));
        for (const std::string& c : d.categories) categories += ", " + json_text(c);
        json << "  {\"uid\": " << json_text(d.uid) << ", \"summary\": " << json_text(d.title)
             << ", \"description\": " << json_text(d.note) << ", \"categories\": [" << categories
             << "], \"dtstart\": " << json_text(forms[i].dtstart) << ", \"rrule\": " << json_text(forms[i].rrule) << "}"
             << (i + 1 < store.dates().size() ? ",\n" : "\n");
    }
    json << "]\n";
    return 0;
}
