#include "cli/file_output.h"

#include <cerrno>

namespace vespera::cli {
namespace {

std::string in_quotes(const std::string& path) { return "\u201e" + path + "\u201c"; }

} // namespace

std::string write_new_file(const std::string& path, std::string_view content, bool replace, const WriteSeams& seams) {
    if (path.empty()) return "Kein Dateiname angegeben.";
    const WriteResult result = write_file_safely(path, content, replace ? WriteMode::Replace : WriteMode::NewOnly, seams);
    switch (result.problem) {
    case WriteProblem::None: return {};
    case WriteProblem::Exists: return "Die Datei " + in_quotes(path) + " gibt es schon; --ueberschreiben ersetzt sie.";
    case WriteProblem::SymbolicLink:
        return in_quotes(path) + " ist eine symbolische Verkn\u00fcpfung; vespera-cli schreibt nicht durch "
                                 "Verkn\u00fcpfungen, auch nicht mit --ueberschreiben.";
    case WriteProblem::NotRegular:
        return in_quotes(path) + (result.error == EISDIR ? " ist ein Ordner" : " ist keine gew\u00f6hnliche Datei") +
               " und wird nicht ersetzt.";
    default: break;
    }
    return "Die Datei " + in_quotes(path) + " lie\u00df sich nicht schreiben: " + write_reason(result) +
           ". Es wurde nichts geschrieben.";
}

} // namespace vespera::cli
