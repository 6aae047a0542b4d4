// "Export iCal": the year's holidays of the region as an iCalendar file
// (report/ical.h makes the text). The dialog proposes the name and the
// categories; a file is replaced only after asking, never through a
// symbolic link, and a failed write leaves none behind.
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStandardPaths>

#include "base/regions.h"
#include "own_dates/calendar_file.h"
#include "report/ical.h"
#include "ui/frmKalender.h"
#include "ui/safe_save.h"

namespace {

bool folder_writable(const QString& folder) {
    const QFileInfo info(folder);
    return !folder.isEmpty() && info.isDir() && info.isWritable();
}

QString utf8(const std::string& text) { return QString::fromStdString(text); }

} // namespace

void frmKalender::cmdExport_Click() {
    clsCalendar& cal = *engine_;
    const std::int64_t year = cal.Jahr();
    if (year < vespera::report::kFirstIcalYear || year > vespera::report::kLastIcalYear) {
        showMessage(utf8(vespera::report::holiday_calendar(cal, vespera::report::kStatutoryDays).error));
        return;
    }

    QStringList folders = export_folders_;
    if (folders.isEmpty()) folders << QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) << QDir::homePath();
    QString folder = folders.isEmpty() ? QString() : folders.front();
    for (const QString& candidate : folders) {
        if (folder_writable(candidate)) {
            folder = candidate;
            break;
        }
    }
    const std::string region = holidayRegion().toStdString();
    ExportRequest proposal;
    proposal.path = QDir(folder).filePath(utf8(vespera::report::export_file_name(year, region)));
    proposal.categories = vespera::report::kStatutoryDays;
    std::optional<ExportRequest> chosen;
    if (export_chooser_) {
        chosen = export_chooser_(proposal);
    } else {
        const std::string_view name = vespera::region_name(region);
        QString what = QString::number(year);
        if (!name.empty()) what += QStringLiteral(" \u00b7 ") + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
        ExportDialog dialog(proposal, what, this);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.request();
    }
    if (!chosen || chosen->path.isEmpty() || (chosen->categories == 0 && !chosen->own_dates)) return;
    const QString path = QFileInfo(chosen->path).absoluteFilePath();
    const QString shown = QDir::toNativeSeparators(path);

    // The user decides about an existing file; the write itself decides
    // again at the moment the file takes its name.
    vespera::ui::SaveMode mode = vespera::ui::SaveMode::NewOnly;
    const QFileInfo target(path);
    if (target.isSymLink()) {
        showMessage(vespera::ui::save_problem_text({vespera::ui::SaveProblem::SymbolicLink, 0}, path));
        return;
    }
    if (target.exists()) {
        if (!target.isFile()) {
            showMessage(vespera::ui::save_problem_text({vespera::ui::SaveProblem::NotRegular, 0}, path));
            return;
        }
        if (!askYesNo(QStringLiteral("Die Datei \u201e%1\u201c gibt es schon. Möchten Sie sie ersetzen?").arg(shown))) return;
        mode = vespera::ui::SaveMode::Replace;
    }

    vespera::report::HolidayCalendar calendar = vespera::report::holiday_calendar(cal, chosen->categories);
    if (chosen->categories == 0) calendar.events.clear();
    // The own dates with their rules, not the year's occurrences: the other
    // calendar repeats them itself.
    const QDateTime now = now_();
    const vespera::own_dates::OwnDateStore* own = chosen->own_dates ? &ownDateStore() : nullptr;
    const std::size_t own_count = own ? own->dates().size() : 0;
    if (!calendar.error.empty()) {
        showMessage(utf8(calendar.error));
        return;
    }
    // What was asked and is not known (school holidays of the year) is said, not left out silently.
    const QString note = calendar.note.empty() ? QString() : QStringLiteral(" ") + utf8(calendar.note) + '.';
    if (calendar.events.empty() && own_count == 0) {
        showMessage(QStringLiteral("In den gewählten Kategorien gibt es %1 keine Termine; es wurde nichts "
                                   "exportiert. Bitte wählen Sie weitere Kategorien.")
                        .arg(year) +
                    note);
        return;
    }
    std::string document = vespera::report::ical_document(calendar, vespera::report::ical_stamp(now.toSecsSinceEpoch()));
    if (own_count > 0) {
        const vespera::own_dates::EventsText events =
            vespera::own_dates::own_date_events(own->dates(), own->timezones(), now.toSecsSinceEpoch());
        if (events.events.empty()) {
            showMessage(QStringLiteral("Der Export ist nicht gelungen: Die eigenen Termine lassen sich ohne die "
                                       "Bibliothek libical (Debian-Paket libical3) nicht schreiben."));
            return;
        }
        document = vespera::report::with_events(std::move(document), events.timezones + events.events);
    }
    const QByteArray text = QByteArray::fromStdString(document);
    vespera::WriteSeams seams = file_seams_;
    if (export_commit_hook_) seams.before_commit = export_commit_hook_;
    const vespera::ui::SaveResult saved = vespera::ui::save_file(path, text, mode, seams);
    if (!saved.ok()) {
        showMessage(QStringLiteral("Der Export ist nicht gelungen. ") + vespera::ui::save_problem_text(saved, path));
        return;
    }
    last_export_path_ = path;
    lblStatus->setText(QStringLiteral("%1 Termine exportiert nach %2").arg(calendar.events.size() + own_count).arg(shown) +
                       (note.isEmpty() ? QString() : QLatin1Char('.') + note));
}
