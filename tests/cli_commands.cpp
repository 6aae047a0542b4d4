// vespera-cli in-process: the commands' output in its three formats, the
// exit codes and messages of a wrong command line, places, and files.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/file_output.h"
#include "cli/run.h"
#include "cli/school_holiday_files.h"
#include "places/gazetteer.h"

namespace {

using vespera::cli::Outcome;

// 8 April 2024, 14:15:02 in Berlin (CEST): 12:15:02 UT.
constexpr std::int64_t kNow_s = 1712578502;

struct Cli {
    int gazetteer_loads = 0;
    vespera::cli::Environment environment;

    Cli() {
        environment.now_unix_seconds = kNow_s;
        environment.gazetteer = [this](std::string& error) -> std::shared_ptr<const vespera::Gazetteer> {
            ++gazetteer_loads;
            static const std::shared_ptr<const vespera::Gazetteer> kept = [] {
                vespera::GazetteerLoad load = vespera::load_gazetteer();
                return load.gazetteer ? std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)) : nullptr;
            }();
            if (!kept) error = "kein Ortsverzeichnis";
            return kept;
        };
        environment.write_file = [](const std::string& path, std::string_view content, bool replace) {
            return vespera::cli::write_new_file(path, content, replace);
        };
    }
    Outcome operator()(std::vector<std::string> args) const { return vespera::cli::run_cli(args, environment); }
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(CliCommands, DayReportAsTextCsvAndJson) {
    const Cli cli;
    const Outcome text = cli({"tag", "8.4.2024"});
    ASSERT_EQ(text.exit_code, 0) << text.err;
    EXPECT_TRUE(text.err.empty());
    const std::vector<std::string> lines = lines_of(text.out);
    ASSERT_GE(lines.size(), 20u);
    EXPECT_EQ(lines[0], "Montag, 8. April 2024 \u00b7 Berlin");
    EXPECT_EQ(lines[1], "Julianisches Datum\t2460409");
    EXPECT_EQ(lines[2], "Tag im Jahr\t99");
    EXPECT_EQ(lines[19], "Mondphase\tNeumond um 20:21 Uhr"); // 18:21 UT (Meeus ch. 49), CEST
    // The total eclipse crossed America; Berlin's Sun had set. The planets follow.
    constexpr std::size_t kPlanetLines = 8;
    EXPECT_EQ(lines[lines.size() - 1 - kPlanetLines], "Sichtbarkeit\tam Ort nicht sichtbar (Sonne unter dem Horizont)");
    EXPECT_EQ(lines[lines.size() - kPlanetLines], "Planeten");

    // The same report in ISO form gives the same output.
    EXPECT_EQ(cli({"tag", "2024-04-08"}).out, text.out);

    const Outcome csv = cli({"tag", "8.4.2024", "--format", "csv"});
    ASSERT_EQ(csv.exit_code, 0);
    const std::vector<std::string> rows = lines_of(csv.out);
    ASSERT_EQ(rows.size(), lines.size() + 1);
    // The typed columns follow the four that scripts already read.
    EXPECT_EQ(rows[0], "art,bezeichnung,wert,datum,zeit_lokal,zeit_utc,zustand,ende_lokal,ende_utc,ende_zustand,"
                       "dauer_minuten,zahl,einheit");
    EXPECT_EQ(rows[1], "ueberschrift,\"Montag, 8. April 2024 \u00b7 Berlin\",,2024-04-08,,,,,,,,,");
    EXPECT_EQ(rows[2], "eintrag,Julianisches Datum,2460409,,,,,,,,,2460409,");
    EXPECT_EQ(rows[16], "eintrag,Tageslänge,13:30 Stunden,,,,,,,,810,,");
    EXPECT_EQ(rows[rows.size() - 2 - kPlanetLines], "eintrag,Art,totale Sonnenfinsternis,,,,,,,,,,");

    const Outcome json = cli({"--format=json", "tag", "8.4.2024"});
    ASSERT_EQ(json.exit_code, 0);
    EXPECT_TRUE(json.out.starts_with("{\"titel\":\"Montag, 8. April 2024 \u00b7 Berlin\",\"datum\":\"2024-04-08\",\"zeilen\":["));
    EXPECT_NE(json.out.find("{\"art\":\"ueberschrift\",\"bezeichnung\":\"Sonnenfinsternis\",\"wert\":\"\",\"datum\":null}"),
              std::string::npos);
}

TEST(CliCommands, ListsAreArraysInJsonAndCarryIsoDates) {
    const Cli cli;
    const Outcome text = cli({"liste", "feiertage", "2025", "--kategorie", "alle"});
    ASSERT_EQ(text.exit_code, 0);
    const std::vector<std::string> lines = lines_of(text.out);
    // Berlin adds Frauentag, 8 May 2025, Weltkindertag, Mariä Empfängnis, five
    // observances, and the bridge days 2 May, 9 May and 30 May.
    ASSERT_EQ(lines.size(), 1u + 73u + 9u + 3u);
    EXPECT_EQ(lines[0], "Feiertage im Jahr 2025 \u00b7 Berlin");
    EXPECT_NE(text.out.find("18.4.2025\tFreitag, Karfreitag\tgesetzlich\n"), std::string::npos); // Easter: 20 April

    const Outcome json = cli({"liste", "vollmonde", "2023", "--format", "json"});
    ASSERT_EQ(json.exit_code, 0);
    EXPECT_TRUE(json.out.starts_with("[\n  {\"art\":\"eintrag\",\"bezeichnung\":\"7.1.2023, Sa\""));
    EXPECT_NE(json.out.find("\"datum\":\"2023-08-31\""), std::string::npos); // the Blue Moon
    EXPECT_TRUE(json.out.ends_with("}\n]\n"));

    const Outcome csv = cli({"sonne", "2025", "--format", "csv"});
    ASSERT_EQ(csv.exit_code, 0);
    const std::vector<std::string> days = lines_of(csv.out);
    ASSERT_EQ(days.size(), 1u + 365u);
    EXPECT_TRUE(days[0].starts_with("datum,wochentag,aufgang,untergang,tageslaenge,daemmerung_beginn,daemmerung_ende,"
                                    "mondaufgang,monduntergang,mondphase,aufgang_lokal,aufgang_utc,"))
        << days[0];
    EXPECT_TRUE(days[172].starts_with("2025-06-21,Sa,04:4")) << days[172]; // midsummer sunrise in Berlin
}

// Typed values beside the text. Sunrise in Berlin on 8 April 2024 at 06:24
// CEST and the full moon of 25 March 2024 at 07:00 UT (USNO phases of the
// Moon); the Bavarian Christmas holidays 2025/26 end on 5 January
// (Bayerisches Staatsministerium für Unterricht und Kultus).
TEST(CliCommands, TypedValuesBesideTheText) {
    const Cli cli;
    const auto holds = [&](std::vector<std::string> args, const std::string& part) {
        const Outcome outcome = cli(std::move(args));
        EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
        EXPECT_NE(outcome.out.find(part), std::string::npos) << part << "\n" << outcome.out;
    };
    holds({"tag", "2024-04-08", "--ort", "Berlin", "--format", "json"},
          "\"bezeichnung\":\"Sonne\",\"wert\":\"06:24 Uhr - 19:54 Uhr\",\"datum\":null,"
          "\"zeit_lokal\":\"2024-04-08T06:24:00+02:00\",\"zeit_utc\":\"2024-04-08T04:24:00Z\"");
    holds({"liste", "feiertage", "2026", "--region", "DE-BY", "--kategorie", "Ferien", "--format", "json"},
          "\"wert\":\"Weihnachtsferien\",\"datum\":\"2025-12-22\",\"kategorie\":\"Ferien\","
          "\"erster_tag\":\"2025-12-22\",\"letzter_tag\":\"2026-01-05\"");
    holds({"liste", "vollmonde", "2024", "--format", "json"},
          "\"zeit_lokal\":\"2024-03-25T08:00:00+01:00\",\"zeit_utc\":\"2024-03-25T07:00:00Z\"");
    // Polar day in Tromsø: no sunrise, and why, as values.
    holds({"tag", "21.6.2024", "--ort", "Troms\u00f8", "--format", "json"},
          "\"wert\":\"Polartag: die Sonne geht nicht unter (Mitternachtssonne)\",\"datum\":null,\"zeit_lokal\":null,\"zeit_utc\":null,\"zustand\":\"immer_oben\","
          "\"ende_lokal\":null,\"ende_utc\":null,\"ende_zustand\":\"immer_oben\"");
    // The night summer time began: the Moon rose on winter time and set on summer time.
    holds({"tag", "31.3.2024", "--ort", "Berlin", "--format", "json"},
          "\"zeit_lokal\":\"2024-03-31T01:12:00+01:00\",\"zeit_utc\":\"2024-03-31T00:12:00Z\","
          "\"ende_lokal\":\"2024-03-31T08:44:00+02:00\",\"ende_utc\":\"2024-03-31T06:44:00Z\"");
}

TEST(CliCommands, DifferenceAndOtherCalendars) {
    const Cli cli;
    EXPECT_TRUE(cli({"differenz", "3.5.2024", "24.12.2024"}).out.starts_with("Die Differenz betr\u00e4gt 235 Tage.\n"));
    EXPECT_TRUE(cli({"differenz", "2024-12-24", "3.5.2024"}).out.starts_with("Die Differenz betr\u00e4gt -235 Tage.\n"));
    EXPECT_TRUE(cli({"differenz", "4.10.1582", "15.10.1582"}).out.starts_with("Die Differenz betr\u00e4gt 1 Tag.\n"));
    // December 2026 in Bayern: 23 weekdays less Christmas Day (a Friday);
    // 26 December is a Saturday.
    EXPECT_EQ(cli({"differenz", "1.12.2026", "31.12.2026", "--region", "DE-BY"}).out,
              "Die Differenz betr\u00e4gt 30 Tage.\nZeitspanne: 30 Tage\n22 Arbeitstage in Bayern (Montag bis Freitag "
              "ohne die gesetzlichen Feiertage; beide Endtage z\u00e4hlen mit)\n");
    const Outcome span = cli({"differenz", "31.1.2026", "1.3.2027", "--format", "csv"});
    EXPECT_NE(span.out.find("eintrag,Zeitspanne,\"1 Jahr, 1 Monat und 1 Tag\","), std::string::npos) << span.out;
    const Outcome calendars = cli({"kalender", "1.1.2000"});
    ASSERT_EQ(calendars.exit_code, 0);
    // The present time of day on that date: 14:15:02 CET is 13:15:02 UT.
    EXPECT_NE(calendars.out.find("Unixtime\t946732502\n"), std::string::npos) << calendars.out;
    EXPECT_NE(calendars.out.find("Julianischer Kalender\t19. Dezember 1999\n"), std::string::npos);
}

TEST(CliCommands, OtherCalendarsAsNumbersAndTheirFestivals) {
    const Cli cli;
    const Outcome json = cli({"kalender", "2026-12-09", "--format", "json"});
    ASSERT_EQ(json.exit_code, 0) << json.err;
    int entries = 0;
    for (const std::string& line : lines_of(json.out)) {
        if (line.find("\"art\":\"eintrag\"") == std::string::npos) continue;
        ++entries;
        EXPECT_NE(line.find("\"teile\":{"), std::string::npos) << line;
    }
    EXPECT_EQ(entries, 21);
    EXPECT_NE(json.out.find("\"kalender\":\"hebraeisch\",\"teile\":{\"jahr\":5787,\"monat\":9,\"tag\":29,"
                            "\"schaltmonat\":false}"),
              std::string::npos);
    const Outcome csv = cli({"kalender", "2026-12-09", "--format", "csv"});
    EXPECT_TRUE(csv.out.starts_with("art,bezeichnung,wert,datum,zahl,einheit,kalender,jahr,monat,tag,")) << csv.out;
    EXPECT_NE(csv.out.find(",hebraeisch,5787,9,29,"), std::string::npos) << csv.out;

    const Outcome festivals = cli({"liste", "feiertage", "2027", "--kategorie",
                                   "jüdisch,islamisch,orthodox,chinesisch,persisch", "--format", "csv"});
    ASSERT_EQ(festivals.exit_code, 0) << festivals.err;
    EXPECT_NE(festivals.out.find("eintrag,2.10.2027,\"Samstag, Rosch ha-Schana\",2027-10-02,jüdisch\n"),
              std::string::npos)
        << festivals.out;
    EXPECT_NE(festivals.out.find(",2027-02-06,chinesisch\n"), std::string::npos);
}

TEST(CliCommands, WrongCommandLinesAndFailures) {
    struct Case {
        std::vector<std::string> args;
        int exit_code;
        const char* message; // the first line of standard error
    };
    const Case cases[] = {
        // Every command reads a date with the same words.
        {{"tag", "29.2.2027"}, 2, "vespera-cli: 29.2.2027 gibt es nicht"},
        {{"kalender", "31.2.2024"}, 2, "vespera-cli: 31.2.2024 gibt es nicht"},
        {{"differenz", "29.2.2027", "1.1.2027"}, 2, "vespera-cli: Erstes Datum: 29.2.2027 gibt es nicht"},
        {{"tag", "2024-4-8"}, 2, nullptr},
        {{"foo"}, 2, "vespera-cli: Unbekannter Befehl \u201efoo\u201c."},
        {{}, 2, "vespera-cli: Kein Befehl angegeben (tag, kalender, planeten, liste, sonne, differenz oder ical)."},
        {{"tag", "--farbe", "rot"}, 2, "vespera-cli: Unbekannte Option \u201e--farbe\u201c."},
        {{"tag", "1.1.2024", "2.1.2024"}, 2, "vespera-cli: Unerwartetes Argument \u201e2.1.2024\u201c."},
        {{"tag", "--ort"}, 2, nullptr},
        {{"tag", "--ort", ""}, 2, "vespera-cli: --ort braucht einen Ortsnamen."},
        {{"liste"}, 2,
         "vespera-cli: liste braucht eine Art: feiertage, vollmonde, neumonde, jahreszeiten, finsternisse, "
         "himmelsereignisse oder termine."},
        {{"liste", "geburtstage"}, 2,
         "vespera-cli: Unbekannte Liste \u201egeburtstage\u201c (feiertage, vollmonde, neumonde, jahreszeiten, "
         "finsternisse, himmelsereignisse oder termine)."},
        {{"liste", "termine", "--termine", "/nonexistent/termine.ics"}, 1,
         "vespera-cli: Die Termindatei \u201e/nonexistent/termine.ics\u201c gibt es nicht."},
        {{"liste", "feiertage", "--art", "geburtstag"}, 2, "vespera-cli: --art gilt nur f\u00fcr liste termine."},
        {{"liste", "termine", "--art", "Feier"}, 2,
         "vespera-cli: Unbekannte Art \u201eFeier\u201c (geburtstag, jahrestag oder termin)."},
        {{"tag", "--schalttag", "29.2."}, 2,
         "vespera-cli: Unbekannter Tag \u201e29.2.\u201c nach --schalttag (28.2. oder 1.3.)."},
        {{"liste", "feiertage", "30000"}, 2,
         "vespera-cli: Ung\u00fcltiges Jahr \u201e30000\u201c (eine ganze Zahl von -27968 bis 27968)."},
        {{"sonne", "--format", "xml"}, 2, "vespera-cli: Unbekanntes Format \u201exml\u201c (text, csv oder json)."},
        {{"tag", "--koordinaten", "52.5,13.4"}, 2,
         "vespera-cli: --koordinaten braucht --zone mit einer Zeitzone wie Europe/Berlin."},
        {{"tag", "--koordinaten", "95,13", "--zone", "Europe/Berlin"}, 2,
         "vespera-cli: Ung\u00fcltige Koordinaten \u201e95,13\u201c (Breite,L\u00e4nge in Grad wie 52.52,13.405)."},
        {{"tag", "--ort", "Berlin", "--koordinaten", "52.5,13.4", "--zone", "Europe/Berlin"}, 2,
         "vespera-cli: --ort und --koordinaten schlie\u00dfen einander aus."},
        {{"differenz", "1.1.2024"}, 2, "vespera-cli: differenz braucht zwei Daten."},
        {{"differenz", "31.2.2024", "1.1.2024"}, 2, "vespera-cli: Erstes Datum: 31.2.2024 gibt es nicht"},
        {{"differenz", "1.1.2024", "5.10.1582"}, 2,
         "vespera-cli: Zweites Datum: 5.10.1582 gibt es nicht: auf den 4. folgte der 15. Oktober 1582"},
        {{"ical", "--format", "json"}, 2, "vespera-cli: ical schreibt iCalendar; --format passt nicht dazu."},
        {{"tag", "--ort", "Xyzzyqwv"}, 1, "vespera-cli: Den Ort \u201eXyzzyqwv\u201c gibt es im Ortsverzeichnis nicht."},
        // A typo is named, never taken.
        {{"tag", "--ort", "Muenchn"}, 1,
         "vespera-cli: Den Ort \u201eMuenchn\u201c gibt es im Ortsverzeichnis nicht. Meinten Sie M\u00fcnchen, Bayern?"},
        {{"tag", "--zone", "Mars/Olympus"}, 1,
         "vespera-cli: Die Zeitzone \u201eMars/Olympus\u201c kennt die Zeitzonendatenbank nicht."},
        {{"liste", "feiertage", "--region", "US-NY"}, 2,
         "vespera-cli: Unbekannte Region \u201eUS-NY\u201c (ISO 3166-2 wie DE-BY, AT-9, CH-BS, LI, LU oder IT-32-BZ, "
         "oder keine)."},
        // A state or canton without its country: the codes it may mean.
        {{"liste", "feiertage", "--region", "BY"}, 2,
         "vespera-cli: Unbekannte Region \u201eBY\u201c: gemeint ist wohl DE-BY (das Land vorn, ISO 3166-2 wie DE-BY, "
         "AT-9, CH-BS, LI, LU oder IT-32-BZ, oder keine)."},
        {{"tag", "--region", "BZ"}, 2,
         "vespera-cli: Unbekannte Region \u201eBZ\u201c: gemeint ist wohl IT-32-BZ (das Land vorn, ISO 3166-2 wie "
         "DE-BY, AT-9, CH-BS, LI, LU oder IT-32-BZ, oder keine)."},
        {{"tag", "--region", "be"}, 2,
         "vespera-cli: Unbekannte Region \u201ebe\u201c: gemeint ist wohl DE-BE oder CH-BE (das Land vorn, ISO 3166-2 "
         "wie DE-BY, AT-9, CH-BS, LI, LU oder IT-32-BZ, oder keine)."},
        {{"liste", "feiertage", "--kategorie", "gesetzlich,Feiertag"}, 2,
         "vespera-cli: Unbekannte Kategorie in \u201egesetzlich,Feiertag\u201c (gesetzlich, regional, schulfrei, "
         "kirchlich, Gedenktag, Brauchtum, astronomisch, Jahreskreisfest, Br\u00fcckentag, Ferien, j\u00fcdisch, "
         "islamisch, orthodox, chinesisch, persisch oder alle)."},
        {{"liste", "feiertage", "--kategorie", ""}, 2, nullptr},
        {{"liste", "vollmonde", "--kategorie", "alle"}, 2,
         "vespera-cli: --kategorie gilt nur f\u00fcr liste feiertage und ical."},
        {{"ical", "10000"}, 1,
         "vespera-cli: Das Jahr 10000 l\u00e4sst sich nicht als iCalendar-Datei exportieren: iCalendar kennt nur die "
         "Jahre 1 bis 9999. Bitte w\u00e4hlen Sie ein Jahr in diesem Bereich."},
        {{"ical", "0"}, 1, nullptr},
        {{"tag", "--ferien", "/nonexistent/ferien.ics"}, 1,
         "vespera-cli: Die Ferientermine aus \u201e/nonexistent/ferien.ics\u201c lassen sich nicht lesen: es gibt sie "
         "nicht."},
        // Arguments come back escaped: one line, nothing a terminal acts on.
        {{"tag", "8.4.2024\nzweite Zeile"}, 2,
         "vespera-cli: \u201e8.4.2024\\nzweite Zeile\u201c ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
        {{"--ort\nBerlin", "tag"}, 2, "vespera-cli: Unbekannte Option \u201e--ort\\nBerlin\u201c."},
        {{"tag", "--ort", "\x1b[2J\xc2\x9b" "31m\xff\xc3(G\xc3\xb6rlitz\xe2\x80\xae"}, 1,
         "vespera-cli: Den Ort \u201e\\x1B[2J\\xC2\\x9B31m\\xFF\\xC3(G\u00f6rlitz\\xE2\\x80\\xAE\u201c gibt es im "
         "Ortsverzeichnis nicht."},
        {{"tag", "--ort", std::string(100000, 'x')}, 2,
         "vespera-cli: Der Ortsname nach --ort ist mit 100000 Bytes l\u00e4nger als jeder Ort (h\u00f6chstens 255)."},
        {{"differenz", "1.1.2024", "1.1.20\t24"}, 2,
         "vespera-cli: Zweites Datum: \u201e1.1.20\\x0924\u201c ist kein Datum. Datum als T.M.JJJJ eingeben, etwa 3.5.2024"},
    };
    const Cli cli;
    for (const Case& c : cases) {
        const Outcome outcome = cli(c.args);
        const std::string what = c.args.empty() ? "(nothing)" : c.args.front() + " ...";
        EXPECT_EQ(outcome.exit_code, c.exit_code) << what << "\n" << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << what;
        const std::vector<std::string> lines = lines_of(outcome.err);
        ASSERT_FALSE(lines.empty()) << what;
        if (c.message != nullptr) {
            EXPECT_EQ(lines[0], c.message);
        }
        EXPECT_TRUE(lines[0].starts_with("vespera-cli: ")) << lines[0];
        // A usage error: one line of message, one line pointing to the help.
        if (c.exit_code == 2) {
            ASSERT_EQ(lines.size(), 2u) << outcome.err;
            EXPECT_EQ(lines[1], "Aufruf und Befehle: vespera-cli --help");
        } else {
            EXPECT_EQ(lines.size(), 1u) << outcome.err;
        }
    }
    const Outcome help = cli({"--help"});
    EXPECT_EQ(help.exit_code, 0);
    EXPECT_NE(help.out.find("Aufruf: vespera-cli [OPTIONEN] BEFEHL"), std::string::npos);
    EXPECT_NE(cli({"liste", "--help"}).out.find("feiertage, vollmonde, neumonde, jahreszeiten, finsternisse, himmelsereignisse oder termine"),
              std::string::npos);
    // The rules CLI11 checks are the ones --help shows.
    EXPECT_NE(help.out.find("--format FORMAT:{text,csv,json}"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("braucht: --zone"), std::string::npos) << help.out;
}

// A line that names one command is read with that command alone declared;
// its answer must be the one every command declared gives, also where a
// command's name stands as a value or the line is wrong.
TEST(CliCommands, OneCommandDeclaredAnswersAsAllDeclared) {
    const std::vector<std::string> lines[] = {
        {"liste", "feiertage", "2025"},
        {"--ort", "Dresden", "liste", "feiertage", "2025", "--format", "csv"},
        {"liste", "--region", "de-by", "feiertage", "2025", "--kategorie", "alle"},
        {"differenz", "1.1.2024", "tag"},
        {"--ort", "tag", "kalender", "1.1.2024"},
        {"--ort", "liste", "feiertage", "2025"},
        {"liste", "tag", "2025"},
        {"ical", "2025", "ical"},
        {"tag", "--help"},
        {"liste", "-h"},
        {"sonne", "--version"},
        {"differenz", "--help-all"},
        {"liste"},
        {"tag", "--farbe", "rot"},
        {"foo", "tag"},
        {"tag", "--", "1.1.2024"},
        {"tag", "--ort"},
        {"liste", "vollmonde", "--kategorie", "alle"},
    };
    const Cli cli;
    for (const std::vector<std::string>& line : lines) {
        const Outcome one = cli(line);
        const Outcome all = vespera::cli::run_cli_declaring_all(line, cli.environment);
        const std::string what = line.front() + " " + line.back();
        EXPECT_EQ(one.exit_code, all.exit_code) << what;
        EXPECT_EQ(one.out, all.out) << what;
        EXPECT_EQ(one.err, all.err) << what;
    }
}

// Each command's --help shows its own examples, none of another command;
// the program's --help shows examples of several.
TEST(CliCommands, HelpOfACommandShowsItsOwnExamples) {
    const Cli cli;
    const auto table = vespera::cli::command_table();
    for (const vespera::cli::CommandEntry& entry : table) {
        const std::string command(entry.name);
        const Outcome help = cli({command, "--help"});
        ASSERT_EQ(help.exit_code, 0) << command;
        EXPECT_NE(help.out.find("  vespera-cli " + command + " "), std::string::npos) << help.out;
        for (const vespera::cli::CommandEntry& other : table) {
            if (other.name == entry.name) continue;
            EXPECT_EQ(help.out.find("  vespera-cli " + std::string(other.name) + " "), std::string::npos)
                << command << " shows " << other.name << "\n" << help.out;
        }
    }
    const std::string global = cli({"--help"}).out;
    EXPECT_NE(global.find("  vespera-cli tag "), std::string::npos) << global;
    EXPECT_NE(global.find("  vespera-cli ical "), std::string::npos) << global;
}

// A year of two digits stays that year; standard error says so, and the
// formats on standard output are those of any other date.
TEST(CliCommands, ShortYearIsNamedOnStandardError) {
    const Cli cli;
    const Outcome day = cli({"tag", "9.12.26"});
    EXPECT_EQ(day.exit_code, 0);
    EXPECT_EQ(day.err, "vespera-cli: 9.12.26 als 9. Dezember 26 n. Chr. gelesen\n");
    EXPECT_TRUE(day.out.starts_with("Montag, 9. Dezember 26 \u00b7 Berlin\n")) << day.out;
    const Outcome difference = cli({"differenz", "24.12.26", "2026-12-24", "--format", "csv"});
    EXPECT_EQ(difference.exit_code, 0);
    EXPECT_EQ(difference.err, "vespera-cli: 24.12.26 als 24. Dezember 26 n. Chr. gelesen\n");
    EXPECT_TRUE(difference.out.starts_with("art,bezeichnung,")) << difference.out;
    EXPECT_EQ(cli({"tag", "9.12.2026"}).err, "");
}

// RFC 5545 dates are Gregorian: before the reform the engine's Julian days
// move by ten days. Easter by the Julian computus (Meeus, Astronomical
// Algorithms, ch. 8): 19 April 1500 and 15 April 1582, Julian.
TEST(CliCommands, IcalDatesAreGregorianBefore1583) {
    struct Case {
        const char* year;
        const char* name;
        const char* start;
    };
    const Case cases[] = {
        {"1500", "Ostermontag", "15000430"},     {"1500", "Neujahr", "15000110"},
        {"1582", "Ostermontag", "15820426"},     {"1582", "Neujahr", "15820111"},
        {"1582", "1. Weihnachtstag", "15821225"}, {"1583", "Neujahr", "15830101"},
    };
    const Cli cli;
    for (const Case& c : cases) {
        const std::string document = cli({"ical", c.year}).out;
        const std::size_t event = document.find(std::string("SUMMARY:") + c.name + "\r\n");
        ASSERT_NE(event, std::string::npos) << c.year << " " << c.name;
        const std::size_t start = document.find("DTSTART;VALUE=DATE:", event);
        ASSERT_NE(start, std::string::npos);
        EXPECT_EQ(document.substr(start + 19, 8), c.start) << c.year << " " << c.name;
    }
}

// `liste feiertage` lists the statutory days of the region (from --region,
// else the place's) and the bridge days they leave, unless --kategorie names
// others.
TEST(CliCommands, HolidaysOfTheRegionByCategory) {
    struct Case {
        std::vector<std::string> args;
        std::size_t rows; // below the heading
        const char* line; // one of them, or nullptr
    };
    const Case cases[] = {
        {{"--region", "DE-BY"}, 12 + 3, "20.6.2025\tFreitag, Br\u00fcckentag\tBr\u00fcckentag"},
        // Augsburg's day is regional in Bayern as a whole.
        {{"--region", "de-by", "--kategorie", "gesetzlich,regional"}, 14,
         "15.8.2025\tFreitag, Mari\u00e4 Himmelfahrt\tregional"},
        // Augsburg's commune keeps Mariä Himmelfahrt too.
        {{"--ort", "Augsburg"}, 14 + 3, "8.8.2025\tFreitag, Augsburger Friedensfest\tgesetzlich"},
        {{"--ort", "M\u00fcnchen", "--kategorie", "gesetzlich"}, 13, "15.8.2025\tFreitag, Mari\u00e4 Himmelfahrt\tgesetzlich"},
        {{"--ort", "Berlin"}, 11 + 3, "8.5.2025\tDonnerstag, 80. Jahrestag der Befreiung vom Nationalsozialismus\tgesetzlich"},
        {{"--ort", "Wien"}, 13 + 3, "26.10.2025\tSonntag, Nationalfeiertag\tgesetzlich"},
        {{"--ort", "Z\u00fcrich"}, 9 + 2, "1.8.2025\tFreitag, Bundesfeier\tgesetzlich"},
        {{"--ort", "New York"}, 0, nullptr},
        {{"--ort", "New York", "--kategorie", "alle"}, 73, "1.1.2025\tMittwoch, Neujahr\tBrauchtum"},
        {{"--region", "keine", "--kategorie", "kirchlich"}, 53, "19.6.2025\tDonnerstag, Fronleichnam\tkirchlich"},
        {{"--region", "DE-SN", "--kategorie", "regional"}, 1, "19.6.2025\tDonnerstag, Fronleichnam\tregional"},
        {{"--region", "DE-NW", "--kategorie", "Ferien"}, 7, "14.7.2025 \u2013 26.8.2025\tSommerferien\tFerien"},
        {{"--region", "DE-AT", "--kategorie", "Ferien"}, 0, nullptr}, // refused below
    };
    const Cli cli;
    for (const Case& c : cases) {
        std::vector<std::string> args = {"liste", "feiertage", "2025"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome outcome = cli(args);
        if (c.args[1] == "DE-AT") {
            EXPECT_EQ(outcome.exit_code, 2);
            continue;
        }
        ASSERT_EQ(outcome.exit_code, 0) << c.args[1] << "\n" << outcome.err;
        const std::vector<std::string> lines = lines_of(outcome.out);
        EXPECT_EQ(lines.size(), 1 + c.rows) << c.args[1] << "\n" << outcome.out;
        if (c.line != nullptr) {
            EXPECT_NE(std::find(lines.begin(), lines.end(), c.line), lines.end()) << c.args[1] << "\n" << outcome.out;
        }
    }
    // A year without school-holiday dates says so instead of showing any.
    const Outcome none = cli({"liste", "feiertage", "2031", "--region", "DE-BY", "--kategorie", "Ferien"});
    EXPECT_EQ(none.out, "Feiertage im Jahr 2031 \u00b7 Bayern\nSchulferien\tkeine Ferientermine f\u00fcr 2031 "
                        "hinterlegt; bekannt nur bis 9.9.2030\tFerien\n");
    EXPECT_EQ(none.exit_code, 0);
    EXPECT_EQ(none.err, "vespera-cli: Schulferien: keine Ferientermine f\u00fcr 2031 hinterlegt\n");
    // An export that asks for school holidays where none are known says so, and writes the rest.
    const Outcome chur = cli({"ical", "2027", "--region", "CH-GR", "--kategorie", "gesetzlich,Ferien"});
    EXPECT_EQ(chur.exit_code, 0);
    EXPECT_NE(chur.out.find("SUMMARY:Neujahr"), std::string::npos) << chur.out;
    EXPECT_NE(chur.err.find("Schulferien: keine Ferientermine"), std::string::npos) << chur.err;
    // The category is a fifth CSV column and a JSON key of the holiday list.
    const Outcome csv = cli({"liste", "feiertage", "2025", "--region", "DE-BY", "--format", "csv"});
    EXPECT_TRUE(csv.out.starts_with("art,bezeichnung,wert,datum,kategorie\nueberschrift,Feiertage im Jahr 2025 \u00b7 "
                                    "Bayern,,,\neintrag,1.1.2025,\"Mittwoch, Neujahr\",2025-01-01,gesetzlich\n"))
        << csv.out;
    const Outcome json = cli({"liste", "feiertage", "2025", "--region", "DE-BY", "--format", "json"});
    EXPECT_NE(json.out.find("\"datum\":\"2025-01-06\",\"kategorie\":\"gesetzlich\"}"), std::string::npos) << json.out;
    // The day report names the category and the region.
    const Outcome day = cli({"tag", "19.6.2025", "--region", "DE-BE"});
    EXPECT_NE(day.out.find("\nFronleichnam\tkein gesetzlicher Feiertag in Berlin\tkirchlich\n"),
              std::string::npos)
        << day.out;
}

TEST(CliCommands, PlacesBuiltInFirstThenTheGazetteer) {
    Cli cli;
    // A built-in city never loads the gazetteer.
    EXPECT_TRUE(cli({"tag", "8.4.2024", "--ort", "augsburg"}).out.starts_with("Montag, 8. April 2024 \u00b7 Augsburg (Bayern)\n"));
    EXPECT_TRUE(cli({"tag", "8.4.2024", "--ort", "MUENCHEN"}).out.starts_with("Montag, 8. April 2024 \u00b7 M\u00fcnchen (Bayern)\n"));
    EXPECT_EQ(cli.gazetteer_loads, 0);
    const Outcome landshut = cli({"tag", "8.4.2024", "--ort", "Landshut"});
    EXPECT_TRUE(landshut.out.starts_with("Montag, 8. April 2024 \u00b7 Landshut (Bayern)\n")) << landshut.out;
    EXPECT_EQ(cli.gazetteer_loads, 1);
    // Two built-in cities begin with "Frankfurt": the first is taken and named.
    const Outcome frankfurt = cli({"liste", "feiertage", "--ort", "Frankfurt"});
    EXPECT_EQ(frankfurt.exit_code, 0);
    EXPECT_EQ(frankfurt.err, "vespera-cli: \u201eFrankfurt\u201c ist mehrdeutig; gew\u00e4hlt: Frankfurt/Main, Hessen; "
                             "au\u00dferdem: Frankfurt/Oder, Brandenburg\n");
    // An English name: the town of that name first, and the word says which
    // other place carries it; the German name finds Geneva alone.
    const Outcome geneva = cli({"tag", "8.4.2024", "--ort", "Geneva"});
    EXPECT_EQ(geneva.err, "vespera-cli: \u201eGeneva\u201c ist mehrdeutig; gew\u00e4hlt: Geneva, Vereinigte Staaten; "
                          "au\u00dferdem: Genf, Schweiz\n");
    EXPECT_TRUE(geneva.out.starts_with("Montag, 8. April 2024 \u00b7 Geneva\n")) << geneva.out;
    const Outcome genf = cli({"tag", "8.4.2024", "--ort", "Genf"});
    EXPECT_TRUE(genf.err.empty()) << genf.err;
    EXPECT_TRUE(genf.out.starts_with("Montag, 8. April 2024 \u00b7 Genf\n")) << genf.out;
    const Outcome bozen = cli({"tag", "8.4.2024", "--ort", "Bolzano"});
    EXPECT_TRUE(bozen.err.empty()) << bozen.err;
    EXPECT_TRUE(bozen.out.starts_with("Montag, 8. April 2024 \u00b7 Bozen (S\u00fcdtirol)\n")) << bozen.out;
    // Coordinates with a zone: the place is named by them.
    const Outcome cape = cli({"tag", "21.6.2024", "--koordinaten", "-33.92,18.42", "--zone", "Africa/Johannesburg"});
    ASSERT_EQ(cape.exit_code, 0) << cape.err;
    EXPECT_TRUE(cape.out.starts_with("Freitag, 21. Juni 2024 \u00b7 33,92\u00b0 S, 18,42\u00b0 O\n")) << cape.out;
    EXPECT_NE(cape.out.find("Jahreszeit\tWinter\n"), std::string::npos);
}

TEST(CliCommands, DatesAndYearsAreReadStrictly) {
    struct Case {
        const char* text;
        std::int32_t day_number; // 0: refused
    };
    const Case cases[] = {
        {"8.4.2024", 2460409},   {"2024-04-08", 2460409}, {"08.04.2024", 2460409}, {"29.2.2024", 2460370},
        {"29.2.2023", 0},        {"2023-02-29", 0},       {"4.10.1582", 2299160},  {"15.10.1582", 2299161},
        {"10.10.1582", 0},       {"1582-10-10", 2299156}, {"15.3.-44", 1705061},   {"-0044-03-13", 1705061},
        {"1.1.27968", 11936162}, {"1.1.27969", 0},        {"2024-4-8", 0},         {"8.4.2024.", 0},
        {"8.4", 0},              {"", 0},                 {"a.b.c", 0},            {"8.4.+2024", 2460409},
        {" 8.4.2024", 2460409},  {"99999999999999.1.1", 0},
    };
    for (const Case& c : cases) {
        const std::optional<std::int32_t> day = vespera::cli::parse_date(c.text);
        if (c.day_number == 0) {
            EXPECT_FALSE(day.has_value()) << c.text;
        } else {
            EXPECT_EQ(day.value_or(0), c.day_number) << c.text;
        }
    }
    EXPECT_EQ(vespera::cli::parse_year("-27968").value_or(0), -27968);
    EXPECT_FALSE(vespera::cli::parse_year("27969").has_value());
    EXPECT_FALSE(vespera::cli::parse_year("2025x").has_value());
    EXPECT_FALSE(vespera::cli::parse_coordinates("52,5,13,4").has_value()); // decimal points only
    EXPECT_FALSE(vespera::cli::parse_coordinates("nan,13").has_value());
    EXPECT_DOUBLE_EQ(vespera::cli::parse_coordinates("-33.92, 18.42")->latitude_deg, -33.92);
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vespera-cli-test-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    static std::string read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::filesystem::path folder_;
};

// School holidays imported for one run (--ferien) and those the window keeps
// in its settings folder: a UTC-encoded local midnight, a TZID and a yearly
// rule on their days in München; a broken kept file is named, not fatal.
TEST_F(CliFiles, SchoolHolidaysFromAnIcsFileAndTheWindowsFolder) {
    const std::string ics =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
        "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20310302T230000Z\r\nDTEND:20310307T230000Z\r\nSUMMARY:Winterferien\r\n"
        "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:2\r\nDTSTART;TZID=Europe/Berlin:20310414T000000\r\n"
        "DTEND;TZID=Europe/Berlin:20310426T000000\r\nSUMMARY:Osterferien\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:3\r\nDTSTART;VALUE=DATE:20181121\r\n"
        "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=WE;BYMONTHDAY=16,17,18,19,20,21,22\r\nSUMMARY:Bu\u00df- und Bettag\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n";
    const std::string expected =
        "art,bezeichnung,wert,datum,kategorie,erster_tag,letzter_tag\n"
        "ueberschrift,Feiertage im Jahr 2031 \u00b7 Bayern,,,,,\n"
        "eintrag,Schulferien,Ferientermine f\u00fcr 2031 nur vom 3.3.2031 bis 25.4.2031 hinterlegt,,Ferien,,\n"
        "eintrag,3.3.2031 \u2013 7.3.2031,Winterferien,2031-03-03,Ferien,2031-03-03,2031-03-07\n"
        "eintrag,14.4.2031 \u2013 25.4.2031,Osterferien,2031-04-14,Ferien,2031-04-14,2031-04-25\n"
        "eintrag,19.11.2031,Bu\u00df- und Bettag,2031-11-19,Ferien,2031-11-19,2031-11-19\n";
    const std::string file = (folder_ / "ferien.ics").string();
    std::ofstream(file, std::ios::binary) << ics;
    Cli cli;
    const std::vector<std::string> list = {"liste", "feiertage", "2031", "--ort", "M\u00fcnchen", "--kategorie", "Ferien",
                                           "--format", "csv"};
    std::vector<std::string> once = list;
    once.insert(once.end(), {"--ferien", file});
    const Outcome given = cli(once);
    ASSERT_EQ(given.exit_code, 0) << given.err;
    EXPECT_EQ(given.out, expected);
    // A yearly rule covers no year: the year is known only as far as its one-off periods reach.
    EXPECT_EQ(given.err, "vespera-cli: Schulferien: Ferientermine f\u00fcr 2031 nur vom 3.3.2031 bis 25.4.2031 hinterlegt\n");

    // The window's file of the state, read by every command.
    cli.environment.settings_folder = folder_.string();
    EXPECT_NE(cli(list).out, expected);
    std::filesystem::create_directory(folder_ / "ferien");
    std::filesystem::copy_file(file, folder_ / "ferien" / "DE-BY.ics");
    EXPECT_EQ(cli(list).out, expected);
    const Outcome exported = cli({"ical", "2031", "--ort", "M\u00fcnchen", "--kategorie", "Ferien"});
    EXPECT_NE(exported.out.find("DTSTART;VALUE=DATE:20310414\r\nDTEND;VALUE=DATE:20310426\r\n"), std::string::npos)
        << exported.out;
    std::ofstream(folder_ / "ferien" / "DE-BY.ics", std::ios::binary) << "kaputt";
    const Outcome broken = cli(list);
    EXPECT_EQ(broken.exit_code, 0);
    EXPECT_EQ(broken.err, "vespera-cli: Die importierten Ferientermine in " + folder_.string() +
                              "/ferien/DE-BY.ics lie\u00dfen sich nicht lesen (Die Datei ist kein lesbares iCalendar "
                              "(BEGIN:VCALENDAR \u2026 END:VCALENDAR fehlt)); es gelten die mitgelieferten.\n"
                              "vespera-cli: Schulferien: keine Ferientermine f\u00fcr 2031 hinterlegt\n");

    // Where the window keeps its settings, as Qt finds the folder.
    EXPECT_EQ(vespera::cli::window_settings_folder("/etc/v", "/x", "/home/a"), "/etc/v/VesperaApp");
    EXPECT_EQ(vespera::cli::window_settings_folder(nullptr, "/x", "/home/a"), "/x/VesperaApp");
    EXPECT_EQ(vespera::cli::window_settings_folder("", "relativ", "/home/a"), "/home/a/.config/VesperaApp");
    EXPECT_EQ(vespera::cli::window_settings_folder(nullptr, nullptr, nullptr), "");
}

TEST_F(CliFiles, IcalNeverReplacesOrFollowsALinkUnlessAsked) {
    const Cli cli;
    const std::string path = (folder_ / "f.ics").string();
    const Outcome first = cli({"ical", "2025", "-o", path});
    ASSERT_EQ(first.exit_code, 0) << first.err;
    const std::string document = read(path);
    EXPECT_TRUE(document.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(document.find("DTSTART;VALUE=DATE:20250418\r\n"), std::string::npos);
    EXPECT_EQ(cli({"ical", "2025"}).out, document); // without -o on standard output

    // An existing file stays as it is.
    const Outcome again = cli({"ical", "2024", "-o", path});
    EXPECT_EQ(again.exit_code, 1);
    EXPECT_EQ(again.err, "vespera-cli: Die Datei \u201e" + path + "\u201c gibt es schon; --ueberschreiben ersetzt sie.\n");
    EXPECT_EQ(read(path), document);
    // Asked to, it is replaced whole.
    ASSERT_EQ(cli({"ical", "2024", "-o", path, "--ueberschreiben"}).exit_code, 0);
    EXPECT_NE(read(path).find("DTSTART;VALUE=DATE:20240329\r\n"), std::string::npos);

    // A replaced file keeps its mode: a private file stays private.
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
    ASSERT_EQ(cli({"ical", "2023", "-o", path, "--ueberschreiben"}).exit_code, 0);
    struct stat replaced {};
    ASSERT_EQ(::stat(path.c_str(), &replaced), 0);
    EXPECT_EQ(replaced.st_mode & 0777, 0600u);

    // A symbolic link is never written through, asked or not, and the
    // message says so (a dangling one as well).
    const std::filesystem::path target = folder_ / "target";
    { std::ofstream(target) << "keep me"; }
    const std::filesystem::path link = folder_ / "link.ics";
    std::filesystem::create_symlink(target, link);
    const std::filesystem::path dangling = folder_ / "dangling.ics";
    std::filesystem::create_symlink(folder_ / "nirgends", dangling);
    for (const std::filesystem::path& at : {link, dangling}) {
        for (const bool replace : {false, true}) {
            const Outcome refused =
                cli(replace ? std::vector<std::string>{"ical", "-o", at.string(), "--ueberschreiben"}
                            : std::vector<std::string>{"ical", "-o", at.string()});
            EXPECT_EQ(refused.exit_code, 1);
            EXPECT_EQ(refused.err, "vespera-cli: \u201e" + at.string() +
                                       "\u201c ist eine symbolische Verkn\u00fcpfung; vespera-cli schreibt nicht "
                                       "durch Verkn\u00fcpfungen, auch nicht mit --ueberschreiben.\n");
        }
    }
    EXPECT_EQ(read(target), "keep me");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    std::filesystem::remove(dangling);

    // A name of 254 bytes is replaced as well: the temporary name is short.
    const std::string long_name = (folder_ / std::string(254, 'n')).string();
    ASSERT_EQ(cli({"ical", "2025", "-o", long_name}).exit_code, 0);
    const Outcome replaced_long = cli({"ical", "2024", "-o", long_name, "--ueberschreiben"});
    EXPECT_EQ(replaced_long.exit_code, 0) << replaced_long.err;
    EXPECT_NE(read(long_name).find("DTSTART;VALUE=DATE:20240329\r\n"), std::string::npos);
    std::filesystem::remove(long_name);

    // A folder that is not there: a failure, no file.
    EXPECT_EQ(cli({"ical", "-o", (folder_ / "nicht" / "da.ics").string()}).exit_code, 1);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder_)) ++files;
    EXPECT_EQ(files, 3u); // f.ics, target, link.ics: no temporary file left behind
}

// The planets' columns for scripts; a wrong list kind names the new one.
TEST(CliCommands, PlanetsAndSkyEventsForScripts) {
    const Cli cli;
    const Outcome csv = cli({"planeten", "16.1.2025", "--format", "csv"});
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    const std::vector<std::string> rows = lines_of(csv.out);
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], "planet,aufgang,kulmination,untergang,helligkeit,elongation_grad,sternbild,sichtbarkeit");
    // Mars at opposition: up the whole night, near 180 degrees from the Sun.
    EXPECT_TRUE(rows[3].starts_with("Mars,")) << rows[3];
    EXPECT_NE(rows[3].find(",die ganze Nacht"), std::string::npos) << rows[3];
    const Outcome json = cli({"liste", "himmelsereignisse", "2025", "--format", "json"});
    ASSERT_EQ(json.exit_code, 0) << json.err;
    EXPECT_NE(json.out.find("\"koerper\":\"Mars\",\"ereignis\":\"opposition\""), std::string::npos);
    // Far beyond the series' years no planet is guessed.
    EXPECT_NE(cli({"planeten", "1.1.27968"}).out.find("Planeten\tnur von 2001 v. Chr. bis 6000 berechnet"),
              std::string::npos);
}

} // namespace
