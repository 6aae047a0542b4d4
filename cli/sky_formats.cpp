#include "cli/sky_formats.h"

#include "cli/formats.h"

namespace vespera::cli {
namespace {

std::string decimal(double value) { return report::number_text(report::Quantity{value, 1, {}}); }

std::string json_or_null(const std::string& text) { return text.empty() ? std::string("null") : json_string(text); }

template <class Line, class Object>
std::string json_array(const std::vector<Line>& lines, Object&& object) {
    std::string text = "[";
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "\n  {" : ",\n  {") + object(lines[i]) + "}";
    return text + (lines.empty() ? "]\n" : "\n]\n");
}

} // namespace

std::string planet_csv(const report::PlanetTable& table) {
    std::string text = "planet,aufgang,kulmination,untergang,helligkeit,elongation_grad,sternbild,sichtbarkeit\n";
    for (const report::PlanetLine& p : table.lines) {
        text += csv_field(p.planet) + "," + p.rise + "," + p.culmination + "," + p.set + "," + decimal(p.magnitude) +
                "," + decimal(p.elongation_deg) + "," + csv_field(p.constellation) + "," + csv_field(p.visibility) +
                "\n";
    }
    return text;
}

std::string planet_json(const report::PlanetTable& table) {
    return json_array(table.lines, [](const report::PlanetLine& p) {
        return "\"planet\":" + json_string(p.planet) + ",\"aufgang\":" + json_or_null(p.rise) +
               ",\"kulmination\":" + json_or_null(p.culmination) + ",\"untergang\":" + json_or_null(p.set) +
               ",\"helligkeit\":" + decimal(p.magnitude) + ",\"elongation_grad\":" + decimal(p.elongation_deg) +
               ",\"sternbild\":" + json_or_null(p.constellation) + ",\"sichtbarkeit\":" + json_string(p.visibility);
    });
}

std::string sky_events_csv(const report::SkyEventTable& table) {
    std::string text = "datum,zeit_lokal,zeit_utc,koerper,ereignis,beschreibung,zahl,einheit\n";
    for (const report::SkyEventLine& e : table.lines) {
        text += e.zeit_lokal.substr(0, e.zeit_lokal.find('T')) + "," + e.zeit_lokal + "," + e.zeit_utc + "," +
                csv_field(e.koerper) + "," + e.ereignis + "," + csv_field(e.text) + "," + e.zahl + "," +
                csv_field(e.einheit) + "\n";
    }
    return text;
}

std::string sky_events_json(const report::SkyEventTable& table) {
    return json_array(table.lines, [](const report::SkyEventLine& e) {
        return "\"datum\":" + json_string(e.zeit_lokal.substr(0, e.zeit_lokal.find('T'))) +
               ",\"zeit_lokal\":" + json_string(e.zeit_lokal) + ",\"zeit_utc\":" + json_string(e.zeit_utc) +
               ",\"koerper\":" + json_string(e.koerper) + ",\"ereignis\":" + json_string(e.ereignis) +
               ",\"beschreibung\":" + json_string(e.text) + ",\"zahl\":" + (e.zahl.empty() ? "null" : e.zahl) +
               ",\"einheit\":" + json_or_null(e.einheit);
    });
}

} // namespace vespera::cli
