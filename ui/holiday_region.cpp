// The region of the holidays beside the place, the holiday list's filter and
// "Ferien importieren …". The region follows the chosen place until the user
// picks another one; that choice is stored. Imported school holidays are kept
// per state in the settings folder, as the file was, and read back through
// the same import as at first; the command line reads them there too.
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include "base/data_files.h"
#include "holidays/ical_import.h"
#include "base/regions.h"
#include "ui/frmKalender.h"
#include "ui/user_folders.h"
#include "ui/safe_save.h"
#include "ui/settings_store.h"
#include "zones/zone.h"

namespace {

using vespera::report::CategorySet;
using vespera::report::HolidayCategory;
using vespera::report::category_bit;

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

struct ListChoice {
    const char* text;
    CategorySet categories;
};

const ListChoice kListChoices[] = {
    {"gesetzliche Feiertage", vespera::report::kStatutoryDays},
    {"gesetzliche und regionale Feiertage",
     static_cast<CategorySet>(category_bit(HolidayCategory::Gesetzlich) | category_bit(HolidayCategory::Regional))},
    {"Tage im Kirchenjahr", category_bit(HolidayCategory::Kirchlich)},
    {"Gedenktage", category_bit(HolidayCategory::Gedenktag)},
    {"Brauchtum", category_bit(HolidayCategory::Brauchtum)},
    {"astronomische Tage", category_bit(HolidayCategory::Astronomisch)},
    {"Schulferien", category_bit(HolidayCategory::Ferien)},
    {"Br\u00fcckentage", category_bit(HolidayCategory::Brueckentag)},
    {"Feste anderer Kalender", vespera::report::kFestivalCategories},
    {"jüdische Feste", category_bit(HolidayCategory::Juedisch)},
    {"islamische Feste (Umm al-Qura)", category_bit(HolidayCategory::Islamisch)},
    {"orthodoxe Feste", category_bit(HolidayCategory::Orthodox)},
    {"Chinesisches Neujahr", category_bit(HolidayCategory::Chinesisch)},
    {"Nouruz", category_bit(HolidayCategory::Persisch)},
    {"alle", vespera::report::kAllNamedDays},
    {"alle mit Schulferien", vespera::report::kEveryCategory},
};

// "Zürich (Ch)" -> "Zürich": the place's own name, for the days of one city.
QString bare_place_name(QString name) {
    name = name.trimmed();
    static const QRegularExpression kTag(QStringLiteral(" \\([^()]*\\)$"));
    return name.remove(kTag);
}

bool is_german_state(const QString& code) { return code.startsWith(QStringLiteral("DE-")); }

QString imported_file(const QString& region) {
    return vespera::ui::settings_folder() + QStringLiteral("/") +
           QString::fromStdString(vespera::imported_school_holidays_path(region.toStdString()));
}

// Times of day in the file land on the place's local days; recurring events
// are expanded over the years around the place's today.
vespera::IcsImportFrame import_frame(const vespera::Zone& zone, const QDate& today) {
    return {vespera::import_days_around(today.toJulianDay()), [zone](double jd_ut) { return zone.local_jd(jd_ut); }};
}

} // namespace

void frmKalender::fillListChoices() {
    for (const ListChoice& choice : kListChoices) cmbKategorie->addItem(QString::fromUtf8(choice.text));
}

void frmKalender::fillRegionBox() {
    const QSignalBlocker quiet(cmbRegion);
    cmbRegion->clear();
    for (const std::string_view code : vespera::holiday_region_codes()) {
        cmbRegion->addItem(utf8(vespera::region_name(code)), utf8(code));
    }
    // A place's own subdivision outside the kept list (Wien, Genf) keeps its
    // name in the box; its country's laws apply.
    for (const QString& code : {region_, holidayRegion()}) {
        if (!code.isEmpty() && cmbRegion->findData(code) < 0 && !vespera::region_name(code.toStdString()).empty()) {
            cmbRegion->addItem(utf8(vespera::region_name(code.toStdString())), code);
        }
    }
    cmbRegion->addItem(QStringLiteral("keine Region"), QString());
    cmbRegion->setCurrentIndex(cmbRegion->findData(holidayRegion()));
}

void frmKalender::applyHolidayRegion() {
    const QString region = holidayRegion();
    engine_->setRegion(region.toStdString());
    // The place decides the days of communes only in its own region.
    const bool own_region = region == region_;
    engine_->setPlaceName(own_region ? bare_place_name(city_).toStdString() : std::string{});
    engine_->setCommuneKey(own_region ? commune_key_.toStdString() : std::string{});
    std::vector<vespera::SchoolHolidayPeriod> imported;
    const QString stored = imported_file(region);
    if (is_german_state(region) && QFileInfo(stored).isFile()) {
        const vespera::ui::PlaceClock now = placeNow();
        const vespera::IcsImport read = vespera::import_school_holidays_ics_file(
            QFile::encodeName(stored).toStdString(),
            import_frame(place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_), now.date));
        if (read.ok) {
            imported = read.periods;
        } else {
            lblStatus->setText(QStringLiteral("Die importierten Ferientermine in %1 ließen sich nicht lesen (%2); es "
                                              "gelten die mitgelieferten. Bitte importieren Sie sie neu.")
                                   .arg(QDir::toNativeSeparators(stored), utf8(read.message)));
        }
    }
    engine_->setImportedSchoolHolidays(std::move(imported));
    fillRegionBox();
    cmbRegion->setToolTip(QStringLiteral("Feiertage und Schulferien: %1%2")
                              .arg(region.isEmpty() ? QStringLiteral("keine Region")
                                                    : utf8(vespera::region_name(region.toStdString())),
                                   holiday_region_choice_ ? QStringLiteral(" (gewählt)") : QStringLiteral(" (wie der Ort)")));
    list_scroll_position_ = 0;
}

void frmKalender::chooseHolidayRegion(const QString& code) {
    // Picking the place's own region returns to following the place.
    std::optional<QString> choice;
    if (code != region_) choice = code;
    if (choice == holiday_region_choice_) return;
    holiday_region_choice_ = choice;
    const QString problem = vespera::ui::write_stored_holiday_region(holiday_region_choice_, file_seams_);
    applyHolidayRegion();
    ZeichneMonat(selected_month_, selected_year_);
    if (!problem.isEmpty()) lblStatus->setText(problem);
}

void frmKalender::cmbRegion_Click(int index) {
    if (index < 0) return;
    chooseHolidayRegion(cmbRegion->itemData(index).toString());
}

void frmKalender::cmbKategorie_Click(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kListChoices))) return;
    const bool festivals_before = (list_categories_ & vespera::report::kFestivalCategories) != 0;
    list_categories_ = kListChoices[index].categories;
    list_scroll_position_ = 0;
    // The month marks the other calendars' festivals while the list shows them.
    const bool festivals_now = (list_categories_ & vespera::report::kFestivalCategories) != 0;
    if (festivals_before || festivals_now) {
        ZeichneMonat(selected_month_, selected_year_); // shows the list too
    } else {
        ZeigeInfo();
    }
}

bool frmKalender::askYesNo(const QString& text) {
    if (question_) return question_(text);
    return QMessageBox::question(this, QString(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

void frmKalender::cmdFerienImport_Click() {
    const QString region = holidayRegion();
    if (!is_german_state(region)) {
        showMessage(QStringLiteral("Schulferien lassen sich nur für ein deutsches Land importieren. Bitte wählen Sie "
                                   "neben dem Ort zuerst das Land."));
        return;
    }
    const QString state = utf8(vespera::region_name(region.toStdString()));
    const QString source =
        import_chooser_ ? import_chooser_()
                        : QFileDialog::getOpenFileName(
                              this, QStringLiteral("Ferientermine für %1 importieren").arg(state),
                              documents_folder(), QStringLiteral("iCalendar (*.ics);;Alle Dateien (*)"));
    if (source.isEmpty()) return;
    const QString shown = QDir::toNativeSeparators(source);
    // Read once: what is checked is what is kept.
    const vespera::FileRead file =
        vespera::read_regular_file_checked(QFile::encodeName(source).toStdString(), vespera::kMaxIcsBytes);
    if (file.status != vespera::FileReadStatus::read) {
        showMessage(QStringLiteral("Die Datei \u201e%1\u201c lässt sich nicht lesen: %2. Bitte wählen Sie eine "
                                   "iCalendar-Datei (.ics) von höchstens 2 MB.")
                        .arg(shown, file.status == vespera::FileReadStatus::too_large      ? QStringLiteral("sie ist zu groß")
                                    : file.status == vespera::FileReadStatus::not_regular ? QStringLiteral("sie ist keine gewöhnliche Datei")
                                    : file.status == vespera::FileReadStatus::missing     ? QStringLiteral("es gibt sie nicht")
                                                                                          : QStringLiteral("keine Leseberechtigung")));
        return;
    }
    const vespera::IcsImport import = vespera::import_school_holidays_ics(
        file.content,
        import_frame(place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_), placeNow().date));
    if (!import.ok) {
        showMessage(QStringLiteral("Aus \u201e%1\u201c wurde nichts importiert: %2 Bitte wählen Sie die iCalendar-Datei "
                                   "der Schulferien, wie Kultusministerien und Schulen sie anbieten.")
                        .arg(shown, utf8(import.message)));
        return;
    }
    const QString stored = imported_file(region);
    if (!QDir().mkpath(QFileInfo(stored).absolutePath())) {
        showMessage(QStringLiteral("Der Ordner \u201e%1\u201c lässt sich nicht anlegen; die Ferientermine gelten nur bis "
                                   "zum Programmende. Bitte prüfen Sie Ihre Schreibrechte.")
                        .arg(QDir::toNativeSeparators(QFileInfo(stored).absolutePath())));
    } else {
        const vespera::ui::SaveResult saved = vespera::ui::save_file(
            stored, QByteArray::fromStdString(file.content),
            QFileInfo(stored).isFile() ? vespera::ui::SaveMode::Replace : vespera::ui::SaveMode::NewOnly, file_seams_);
        if (!saved.ok()) {
            showMessage(QStringLiteral("Die Ferientermine gelten nur bis zum Programmende: ") +
                        vespera::ui::save_problem_text(saved, stored));
        }
    }
    engine_->setImportedSchoolHolidays(import.periods);
    ZeichneMonat(selected_month_, selected_year_);
    lblStatus->setText(QStringLiteral("Ferientermine für %1 importiert: %2.").arg(state, utf8(import.message)));
}
