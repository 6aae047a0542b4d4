// The information panel's reports: the frame (ZeigeInfo), the day report and
// its solar eclipse rows.
#include <QPushButton>
#include <cmath>

#include "astro/AstroModule.h"
#include "engine/date_math.h"
#include "engine/local_instant.h"
#include "engine/number_text.h"
#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

namespace {

// Thrown when an engine call failed: the report ends at that row.
struct ReportStopped {};

QString text_of(const std::string& text) { return QString::fromStdString(text); }

// "10:05 Uhr" from hours on the local clock, rounded to the minute.
QString clock_text(double hours) {
    const auto minutes = static_cast<std::int64_t>(std::llround(hours * 60.0));
    const std::int64_t of_day = vespera::floor_mod(minutes, 1440);
    return QString::fromStdString(vespera::two_digits(of_day / 60) + ":" + vespera::two_digits(of_day % 60)) +
           QStringLiteral(" Uhr");
}

} // namespace

QString frmKalender::yearText() const {
    const std::int32_t year = engine_->Jahr();
    return year < 0 ? QString::number(-static_cast<std::int64_t>(year)) + QStringLiteral(" v.C.")
                    : QString::number(year);
}

QString frmKalender::dateHeading(bool with_era) const {
    clsCalendar& cal = *engine_;
    const QString year = with_era ? yearText() : QString::number(cal.Jahr());
    return QString::number(cal.Tag()) + ". " + text_of(cal.MonatsName(cal.Monat())) + " " + year;
}

int frmKalender::addHeading(const QString& text) {
    if (engine_fault_) throw ReportStopped{};
    return picInfo->AddHeading(text);
}

int frmKalender::addLine(const QString& label, const QString& value) {
    if (engine_fault_) throw ReportStopped{};
    return picInfo->AddLine(label, value);
}

void frmKalender::ZeigeInfo() {
    if (!engine_) return;
    picInfo->clear();
    moon_phase_row_ = -1;
    sun_altitude_row_ = -1;
    engine_fault_ = false;
    cmdDaten[Holidays]->setText(QStringLiteral("Feiertage ") + yearText());
    try {
        switch (report_) {
        case DayReport: buildDayReport(); break;
        case OtherCalendars: buildOtherCalendars(); break;
        case Holidays:
        case FullMoons:
        case NewMoons:
        case Seasons: buildYearList(); break;
        case DateDifference:
        case About: break;
        }
    } catch (const ReportStopped&) {
        // The engine has shown its message; the rows drawn so far stay.
    }
}

void frmKalender::buildDayReport() {
    clsCalendar& cal = *engine_;
    // The time of day of the report is the present one on the chosen date.
    const QTime time = placeNow().time;
    cal.setStunde(time.hour());
    cal.setMinute(time.minute());
    cal.setSekunde(time.second());
    cal.Sonne_Position();
    cal.Sonnenstrahlung();
    const char separator = cal.DecimalSeparator();

    addHeading(dateHeading(true));
    addLine(QStringLiteral("Julianisches Datum"), text_of(vespera::general(cal.JD(), separator)));
    addLine(QStringLiteral("Tag im Jahr"), QString::number(cal.TagesZahl()));
    addLine(QStringLiteral("Woche im Jahr"), QString::number(cal.Woche()));
    addLine(QStringLiteral("Schaltjahr"), cal.Schaltjahr() ? QStringLiteral("ja") : QStringLiteral("nein"));
    addLine(QStringLiteral("Jahreszeit"), text_of(cal.Jahreszeit()));
    addLine(QStringLiteral("Sternzeichen"), text_of(cal.Sternzeichen()));
    addLine(QStringLiteral("Dämmerung"), text_of(cal.DaemmerungAnfang() + " - " + cal.DaemmerungEnde()));
    addLine(QStringLiteral("Sonne"), text_of(cal.AufgangSonne() + " - " + cal.UntergangSonne()));
    addLine(QStringLiteral("Sonne Kulmination"), text_of(cal.Kulmination_Sonne()));
    addLine(QStringLiteral("Sonne Kulminationshöhe"), text_of(cal.KulminationHoehe_Sonne()));
    addLine(QStringLiteral("Tageslänge"), text_of(cal.Tageslaenge()));
    sun_altitude_row_ = addLine(QStringLiteral("Sonnenhöhe"), text_of(cal.Sonne_Hoehe()));
    addLine(QStringLiteral("Sonnenentfernung"), text_of(cal.SonneEntfernung()));
    addLine(QStringLiteral("Mond"), text_of(cal.AufgangMond() + " - " + cal.UntergangMond()));

    const auto day = static_cast<std::int32_t>(std::lround(cal.JD()));
    if (cal.IstBluemoon(day)) {
        addLine(QStringLiteral("Mondphase"), "Vollmond (Blue Moon) " + text_of(cal.IstVollmond_Info(day)));
    } else if (cal.IstVollmond(day)) {
        addLine(QStringLiteral("Mondphase"), "Vollmond " + text_of(cal.IstVollmond_Info(day)));
    } else if (cal.IstNeumond(day)) {
        addLine(QStringLiteral("Mondphase"), "Neumond " + text_of(cal.IstNeumond_Info(day)));
    }
    moon_phase_row_ = addLine(QStringLiteral("Mondphase"), text_of(cal.MondPhase(false)));
    addLine(QStringLiteral("Mondentfernung"), text_of(vespera::general(cal.MondEntfernung(), separator)) + " km");
    buildEclipseRows();
}

void frmKalender::buildEclipseRows() {
    clsCalendar& cal = *engine_;
    const double day = cal.Tag();
    const double month = cal.Monat();
    const double year = cal.Jahr();
    if (AstroModule::Finsternis_Vorkommen(0, 0, day, month, year) == "No solar eclipse") return;

    // The routines answer for the new moon nearest the chosen day: name its
    // local date, and give the contacts on the place's clock at their own instants.
    const vespera::Zone& zone = *place_zone_;
    const double new_moon_jd_ut = AstroModule::Neumond_JD(0, 0, day, month, year);
    const vespera::LocalInstant new_moon_local = vespera::split_local_instant(zone.local_jd(new_moon_jd_ut));
    const vespera::CivilDate eclipse_date = vespera::civil_date(new_moon_local.day_number);
    // A contact in UT hours of the new moon's Greenwich date, as an instant
    // within half a day of the new moon.
    const double greenwich_midnight = std::floor(new_moon_jd_ut + 0.5) - 0.5;
    const auto contact_clock_text = [&](double ut_hours) {
        double jd_ut = greenwich_midnight + ut_hours / 24.0;
        if (jd_ut - new_moon_jd_ut > 0.5) jd_ut -= 1.0;
        if (new_moon_jd_ut - jd_ut > 0.5) jd_ut += 1.0;
        return clock_text(vespera::split_local_instant(zone.local_jd(jd_ut)).hours());
    };

    addHeading(QStringLiteral("Sonnenfinsternis"));
    addLine(QStringLiteral("Datum"), QStringLiteral("%1.%2.%3").arg(eclipse_date.day).arg(eclipse_date.month).arg(eclipse_date.year));
    const double begin = AstroModule::Finsternis_Beginn(day, month, year, 0, 0, cal.Longitude(), cal.Latitude());
    const double magnitude = AstroModule::Finsternis_Groesse(day, month, year, 0, 0, cal.Longitude(), cal.Latitude());
    if (begin == -99 || magnitude == -99) {
        addLine(QStringLiteral("Sichtbarkeit"), QStringLiteral("am Ort nicht sichtbar"));
        return;
    }
    const double end = AstroModule::Finsternis_Ende(day, month, year, 0, 0, cal.Longitude(), cal.Latitude());
    addLine(QStringLiteral("Beginn"), contact_clock_text(begin));
    addLine(QStringLiteral("Ende"), contact_clock_text(end));
    addLine(QStringLiteral("Bedeckung"),
            text_of(vespera::fixed(magnitude * 100.0, 1, cal.DecimalSeparator())) + QStringLiteral(" %"));
}
