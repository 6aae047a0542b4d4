// Developer tool: renders the window offscreen for a fixed date and place and
// saves PNGs of each report, and the printed month (July 2025, München) and
// sunrise table (2025, Berlin) as PDF, so that the drawing can be looked at
// without a display.   vespera_screenshots <folder> [scale]
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QToolTip>

#include "places/city_table.h"
#include "ui/MonthView.h"
#include "ui/export_dialog.h"
#include "ui/contrast.h"
#include "ui/frmKalender.h"
#include "ui/place_box.h"
#include "ui/place_dialog.h"

namespace {

void click(frmKalender& window, const char* name) {
    if (auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name))) button->click();
    QApplication::processEvents();
}

void type(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QWidget* popup = QApplication::activePopupWidget();
        QApplication::sendEvent(popup ? popup : target, &press);
    }
    QApplication::processEvents();
}

// The window with the popup painted where it opened: a grab of the window
// leaves out its popups, which are windows of their own.
QPixmap window_with_popup(QWidget& window, QWidget* popup) {
    QPixmap shot = window.grab();
    if (popup && popup->isVisible()) {
        QPainter painter(&shot);
        painter.drawPixmap(popup->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, 0)), popup->grab());
    }
    return shot;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 2) qputenv("QT_SCALE_FACTOR", argv[2]);
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());

    const QDateTime now(QDate(2024, 5, 3), QTime(14, 15, 2), QTimeZone(QByteArrayLiteral("Europe/Berlin")));
    frmKalender window([now] { return now; }, [](const QString&) {});
    window.resize(1000, 680);
    window.show();
    QApplication::processEvents();
    auto save = [&](const QString& name) {
        QApplication::processEvents();
        window.grab().save(folder + "/" + name + ".png");
    };
    save("day_report");
    click(window, "cmdDaten(1)");
    save("other_calendars");
    click(window, "cmdDaten(3)");
    save("holidays");
    click(window, "cmdDaten(4)");
    save("full_moons");
    click(window, "cmdDaten(5)");
    save("new_moons");
    click(window, "cmdDaten(6)");
    save("seasons");
    click(window, "cmdDaten(2)");
    window.findChild<QLineEdit*>("txtDatum(0)")->setText("3.5.2024");
    window.findChild<QLineEdit*>("txtDatum(1)")->setText("24.12.2024");
    click(window, "cmdBerechnen");
    save("date_difference");
    click(window, "cmdDaten(7)");
    save("about");
    click(window, "cmdDaten(0)");
    window.ZeichneMonat(8, 2023);
    save("august_2023");
    window.ZeichneMonat(10, 2022);
    save("october_2022");
    // An eclipse day: its marks in the grid, its block in the report, the year's list.
    window.ZeichneMonat(9, 2025);
    auto* grid = window.findChild<MonthView*>("picMonat");
    const QPointF seventh = grid->cellRect(7).center();
    QMouseEvent press(QEvent::MouseButtonPress, seventh, grid->mapToGlobal(seventh), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(grid, &press);
    save("lunar_eclipse_2025");
    click(window, "cmdDaten(8)");
    save("eclipses_2025");
    click(window, "cmdDaten(0)");

    // The city box's search as "Neustadt" is typed, and the place dialog.
    click(window, "cmdHeute");
    auto* box = window.findChild<PlaceBox*>("cmbOrt");
    QApplication::setActiveWindow(&window);
    box->setFocus(Qt::MouseFocusReason);
    box->lineEdit()->selectAll();
    type(box, QStringLiteral("Neustadt"));
    window_with_popup(window, box->suggestionView()).save(folder + "/place_search.png");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(QApplication::activePopupWidget() ? QApplication::activePopupWidget() : box, &escape);
    box->showPopup();
    QApplication::processEvents();
    window_with_popup(window, box->view()->window()).save(folder + "/city_list.png");
    box->hidePopup();

    PlaceDialog dialog(48.5296, 12.1618, QStringLiteral("Europe/Berlin"), ',', &window);
    dialog.show();
    QApplication::processEvents();
    dialog.grab().save(folder + "/place_dialog.png");
    dialog.findChild<QLineEdit*>("txtName")->setText(QStringLiteral("Gartenhaus"));
    dialog.findChild<QLineEdit*>("txtBreite")->setText(QStringLiteral("91"));
    dialog.findChild<QPushButton*>("cmdUebernehmen")->click();
    QApplication::processEvents();
    dialog.grab().save(folder + "/place_dialog_refused.png");
    dialog.close();

    // The holidays of the region: July 2025 in Bayern (München) and in Berlin,
    // with the tooltip of a day; the holiday list with its filter; the export.
    const auto pick_city = [&](const char* name) {
        const int index = box->findText(QString::fromUtf8(name));
        box->setCurrentIndex(index);
        QApplication::processEvents();
    };
    pick_city("München");
    window.ZeichneMonat(7, 2025);
    save("july_2025_bayern");
    window.ZeichneMonat(8, 2025);
    save("august_2025_bayern");
    // The tooltip of 15 August: Mariä Himmelfahrt, statutory in part of Bayern.
    {
        auto* grid = window.findChild<MonthView*>("picMonat");
        const QPoint inside = grid->cellRect(15).center();
        QHelpEvent help(QEvent::ToolTip, inside, grid->mapToGlobal(inside));
        QApplication::sendEvent(grid, &help);
        QApplication::processEvents();
        QWidget* tip = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
        }
        window_with_popup(window, tip).save(folder + "/august_2025_bayern_tooltip.png");
        QToolTip::hideText();
    }
    pick_city("Berlin");
    window.ZeichneMonat(7, 2025);
    save("july_2025_berlin");
    pick_city("München");
    window.ZeichneMonat(6, 2025);
    click(window, "cmdDaten(3)");
    save("holidays_2025_bayern");
    auto* filter = window.findChild<QComboBox*>("cmbKategorie");
    filter->setCurrentIndex(filter->findText(QStringLiteral("alle mit Schulferien")));
    save("holidays_2025_bayern_all");
    filter->showPopup();
    QApplication::processEvents();
    window_with_popup(window, filter->view()->window()).save(folder + "/holidays_filter.png");
    filter->hidePopup();
    filter->setCurrentIndex(filter->findText(QStringLiteral("Schulferien")));
    window.ZeichneMonat(6, 2031);
    save("holidays_2031_school_none");
    window.ZeichneMonat(6, 2025);
    filter->setCurrentIndex(0);
    click(window, "cmdDaten(0)");
    emit window.findChild<MonthView*>("picMonat")->dayPressed(19);
    save("day_report_fronleichnam");

    ExportRequest proposal;
    proposal.path = QDir::homePath() + QStringLiteral("/Dokumente/Feiertage_2025_DE-BY.ics");
    ExportDialog exporting(proposal, QStringLiteral("2025 \u00b7 Bayern"), &window);
    exporting.show();
    QApplication::processEvents();
    exporting.grab().save(folder + "/export_dialog.png");

    // The printed documents, through the window's own commands.
    QString pdf_name;
    window.setPrintDialogs([&](const QString&) { return folder + "/" + pdf_name; }, {});
    auto save_pdf = [&](const QString& name, const char* action) {
        pdf_name = name;
        if (auto* command = window.findChild<QAction*>(QString::fromLatin1(action))) command->trigger();
    };
    auto* city = window.findChild<QComboBox*>("cmbOrt");
    city->setCurrentIndex(city->findText(QStringLiteral("M\u00fcnchen")));
    window.ZeichneMonat(7, 2025);
    save_pdf("month_july_2025_muenchen.pdf", "actMonatPdf");
    city->setCurrentIndex(city->findText(QStringLiteral("Berlin")));
    save_pdf("sun_table_2025_berlin.pdf", "actSonnePdf");
    click(window, "cmdDaten(3)");
    save_pdf("holidays_2025_berlin.pdf", "actListePdf");
    click(window, "cmdDaten(0)");
    save_pdf("day_report_berlin.pdf", "actListePdf");

    // The sky of the day at the solstices in Berlin, a dark desktop, and the
    // grid's sizes at the smallest and a large window.
    city->setCurrentIndex(city->findText(QStringLiteral("Berlin")));
    const auto show_day = [&](int day, int month, int year) {
        window.ZeichneMonat(month, year);
        emit window.findChild<MonthView*>("picMonat")->dayPressed(day);
    };
    show_day(21, 6, 2025);
    save("sky_berlin_2025-06-21");
    show_day(21, 12, 2025);
    save("sky_berlin_2025-12-21");
    city->setCurrentIndex(city->findText(QStringLiteral("M\u00fcnchen")));
    show_day(15, 8, 2025);
    const QPalette light = QApplication::palette();
    QApplication::setPalette(vespera::ui::dark_desktop_palette());
    save("august_2025_bayern_dark");
    QApplication::setPalette(light);
    window.resize(1024, 640);
    save("august_2025_bayern_1024x640");
    window.resize(1600, 1000);
    save("august_2025_bayern_1600x1000");
    return 0;
}
