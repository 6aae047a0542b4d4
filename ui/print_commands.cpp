// "Drucken": the month, the shown report or list, and the year's sunrise
// table, each on a printer or as a PDF file. The window gathers the report
// layer's data; ui/print_*.cpp draw it, the same routine for both.
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>

#include "base/regions.h"
#include "report/month_grid.h"
#include "report/sun_table.h"
#include "ui/frmKalender.h"
#include "ui/pdf_file.h"

using vespera::ui::PrintedDocument;

struct frmKalender::PrintJob {
    QString title; // the printer's job name, the PDF's title and its suggested file name
    std::function<int(QPagedPaintDevice&)> draw;
};

namespace {

QString text_of(const std::string& text) { return QString::fromStdString(text); }

struct PrintEntry {
    PrintedDocument document;
    const char* name; // object names: act<name>Drucken, act<name>Pdf
};

constexpr PrintEntry kPrintEntries[4] = {
    {PrintedDocument::Month, "Monat"},
    {PrintedDocument::Report, "Liste"},
    {PrintedDocument::SunTable, "Sonne"},
    {PrintedDocument::Birthdays, "Geburtstage"},
};

// A file name from a heading: "Juli 2025 - München (Bayern).pdf".
QString file_name_for(QString title) {
    title.replace(QStringLiteral(" \u00b7 "), QStringLiteral(" - "));
    for (const QChar c : QStringLiteral("/\\:*?\"<>|")) title.replace(c, QLatin1Char('-'));
    return title.trimmed() + QStringLiteral(".pdf");
}

QString pages_text(int pages) {
    return pages == 1 ? QStringLiteral("1 Seite") : QStringLiteral("%1 Seiten").arg(pages);
}

} // namespace

void frmKalender::buildPrintMenu() {
    cmdDrucken->setToolTip(QStringLiteral("Den Monat, die angezeigte Liste, die Sonnentabelle oder den Geburtstagskalender des Jahres "
                                          "drucken oder als PDF speichern (Strg+P)"));
    mnuDrucken = new QMenu(cmdDrucken);
    mnuDrucken->setObjectName("mnuDrucken");
    mnuDrucken->setToolTipsVisible(true);
    for (std::size_t i = 0; i < std::size(kPrintEntries); ++i) {
        const PrintEntry& entry = kPrintEntries[i];
        QMenu* submenu = mnuDrucken->addMenu(QString::fromUtf8(entry.name));
        submenu->setObjectName(QStringLiteral("mnuDrucken%1").arg(QLatin1String(entry.name)));
        submenu->setToolTipsVisible(true);
        QAction* print = submenu->addAction(QStringLiteral("&Drucken \u2026"));
        print->setObjectName(QStringLiteral("act%1Drucken").arg(QLatin1String(entry.name)));
        print->setToolTip(QStringLiteral("Auf einem Drucker ausgeben; der Druckdialog w\u00e4hlt ihn"));
        QAction* pdf = submenu->addAction(QStringLiteral("Als &PDF speichern \u2026"));
        pdf->setObjectName(QStringLiteral("act%1Pdf").arg(QLatin1String(entry.name)));
        pdf->setToolTip(QStringLiteral("Als PDF-Datei speichern; der Dateidialog fragt, bevor er eine Datei ersetzt"));
        const PrintedDocument document = entry.document;
        connect(print, &QAction::triggered, this, [this, document] { printDocument(document); });
        connect(pdf, &QAction::triggered, this, [this, document] { saveDocumentAsPdf(document); });
        print_submenus_[i] = submenu;
    }
    connect(mnuDrucken, &QMenu::aboutToShow, this, [this] { updatePrintMenu(); });
    cmdDrucken->setMenu(mnuDrucken);
    auto* shortcut = new QShortcut(QKeySequence::Print, this);
    connect(shortcut, &QShortcut::activated, cmdDrucken, &QPushButton::showMenu);
    updatePrintMenu();
}

// The submenus name what they print: "Monat Juli 2025", "Liste: Vollmonde im
// Jahr 2025", "Sonnentabelle 2025"; the list's is off while none is shown.
void frmKalender::updatePrintMenu() {
    if (!engine_) return;
    clsCalendar& cal = *engine_;
    const QString year = text_of(vespera::report::year_text(cal.Jahr()));
    print_submenus_[0]->setTitle(QStringLiteral("&Monat %1 %2").arg(text_of(cal.MonatsName(cal.Monat())), year));
    const bool list = report_ == Holidays || report_ == FullMoons || report_ == NewMoons || report_ == Seasons ||
                      report_ == Eclipses || report_ == SkyEvents || report_ == OwnDates;
    const bool report = list || report_ == DayReport || report_ == OtherCalendars;
    // The caption without its Alt key's "&".
    const QString shown = report ? cmdDaten[static_cast<std::size_t>(report_)]->text().remove(u'&') : QString();
    print_submenus_[1]->setTitle(report ? QStringLiteral("%1: %2").arg(list ? QStringLiteral("&Liste") : QStringLiteral("&Bericht"), shown)
                                        : QStringLiteral("&Liste (keine angezeigt)"));
    print_submenus_[1]->setEnabled(report);
    print_submenus_[2]->setTitle(QStringLiteral("&Sonnentabelle %1").arg(year));
    print_submenus_[3]->setTitle(QStringLiteral("&Geburtstagskalender %1").arg(year));
}

void frmKalender::setPrintDialogs(PdfPathDialog pdf_path, PrintDialog print) {
    pdf_path_dialog_ = std::move(pdf_path);
    print_dialog_ = std::move(print);
}

std::optional<frmKalender::PrintJob> frmKalender::printJob(PrintedDocument document) {
    namespace report = vespera::report;
    clsCalendar& cal = *engine_;
    switch (document) {
    case PrintedDocument::Month: {
        // The window's grid: its region, its school holidays and the festivals its list shows.
        const vespera::Zone zone = place_zone_ ? *place_zone_ : vespera::Zone::german_rules(zone_offset_hours_);
        const report::MonthGrid grid = report::month_grid(cal, year_sky_.of(cal, zone), list_categories_);
        const QString heading = text_of(report::with_place(grid.month_name + " " + report::year_heading_text(grid.year), placeHeading()));
        const bool southern_sky = cal.Latitude() < 0.0;
        return PrintJob{heading, [grid, heading, southern_sky](QPagedPaintDevice& device) {
                            return vespera::ui::draw_month(device, grid, heading, southern_sky);
                        }};
    }
    case PrintedDocument::Report: {
        std::optional<report::Report> shown = shownReport();
        if (!shown) return std::nullopt;
        const QString title = text_of(shown->heading);
        // On paper the filter beside the list is gone: the page names it.
        QString note;
        if (report_ == Holidays) {
            const QString code = holidayRegion();
            const std::string region(vespera::region_name(code.toStdString()));
            note = QStringLiteral("Angezeigt: %1 · %2")
                       .arg(cmbKategorie->currentText(),
                            region.empty() ? QStringLiteral("keine Region")
                                           : QStringLiteral("Region: %1 (%2)").arg(text_of(region), code));
        }
        return PrintJob{title, [shown = std::move(*shown), note](QPagedPaintDevice& device) {
                            return vespera::ui::draw_report(device, shown, note);
                        }};
    }
    case PrintedDocument::Birthdays: {
        const report::BirthdayCalendar birthdays = report::birthday_calendar(ownDates(), cal.Jahr());
        const QString heading = QStringLiteral("Geburtstagskalender %1").arg(text_of(report::year_heading_text(cal.Jahr())));
        return PrintJob{heading, [birthdays, heading](QPagedPaintDevice& device) {
                            return vespera::ui::draw_birthday_calendar(device, birthdays, heading);
                        }};
    }
    case PrintedDocument::SunTable: {
        const report::SunTable table = report::sun_table(cal, placeHeading());
        return PrintJob{text_of(table.heading),
                        [table](QPagedPaintDevice& device) { return vespera::ui::draw_sun_table(device, table); }};
    }
    }
    return std::nullopt;
}

void frmKalender::printDocument(PrintedDocument document) {
    const std::optional<PrintJob> job = printJob(document);
    if (!job) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(job->title);
    printer.setPageLayout(vespera::ui::page_layout(document));
    const bool accepted = print_dialog_ ? print_dialog_(printer) : [&] {
        QPrintDialog dialog(&printer, this);
        dialog.setWindowTitle(QStringLiteral("Drucken"));
        // Every document is drawn whole; a page range would cut a quarter.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!accepted) return;
    const int pages = job->draw(printer);
    if (pages == 0) {
        const QString printer_name = printer.printerName();
        lblStatus->setText(printer_name.isEmpty()
                               ? QStringLiteral("Drucken ging nicht: kein Drucker eingerichtet. \u201eAls PDF speichern \u2026\u201c geht immer.")
                               : QStringLiteral("Drucken ging nicht: der Drucker \u201e%1\u201c nimmt nichts an.").arg(printer_name));
        return;
    }
    lblStatus->setText(QStringLiteral("Gedruckt: %1 (%2)").arg(job->title, pages_text(pages)));
}

void frmKalender::saveDocumentAsPdf(PrintedDocument document) {
    const std::optional<PrintJob> job = printJob(document);
    if (!job) return;
    QString folder = pdf_folder_;
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(file_name_for(job->title));
    const QString path = pdf_path_dialog_ ? pdf_path_dialog_(suggested) : [&] {
        QFileDialog dialog(this, QStringLiteral("Als PDF speichern"), suggested, QStringLiteral("PDF-Dateien (*.pdf)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The dialog adds ".pdf" before it asks about an existing file.
        dialog.setDefaultSuffix(QStringLiteral("pdf"));
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().first()
                                                                                       : QString();
    }();
    if (path.isEmpty()) return;
    const vespera::ui::PdfOutcome outcome = vespera::ui::save_pdf(path, vespera::ui::page_layout(document), job->title, job->draw,
                                                                  file_seams_);
    if (!outcome.error.isEmpty()) {
        lblStatus->setText(outcome.error);
        return;
    }
    pdf_folder_ = QFileInfo(path).absolutePath();
    lblStatus->setText(QStringLiteral("Als PDF gespeichert: %1 (%2)")
                           .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()), pages_text(outcome.pages)));
}
