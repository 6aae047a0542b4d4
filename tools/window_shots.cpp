// Developer tool: the window at its smallest or its first-start size, light
// or dark, as a screen of a given size shows it. Under Xvfb on the xcb
// platform the picture is the whole screen, so a window that does not fit
// shows as cut; elsewhere it is the window alone. It names every control
// that lies outside the window.
//   xvfb-run -s "-screen 0 1024x640x24" vespera_window_shots out.png klein|start|voll [dunkel] [bericht=N]
// "voll" fills the screen; N is the index of the report button to press;
// jahr=TEXT types TEXT into the year field and presses Enter; monat=M.JJJJ
// shows that month, tag=N presses its day N; differenz=A,B fills the date
// difference's boxes and presses "Berechnen", uebernehmen=I then presses box
// I's "übernehmen".
//   vespera_window_shots out.png dateien
// shows the file dialog of an import, in the language the window loads.
//   vespera_window_shots out.png termine [dunkel]
// shows the own-date dialog of a day with three dates and the editor of the
// birthday, and also saves each alone (out-liste.png, out-editor.png) and
// the editor refusing a leap-day birthday without a title (out-fehler.png).
#include <QAbstractButton>
#include <QAction>
#include <QPrinter>
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QScreen>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstdio>
#include <filesystem>

#include "ephemeris/calendar.h"
#include "ui/application_setup.h"
#include "ui/contrast.h"
#include "ui/MonthView.h"
#include "ui/frmKalender.h"
#include "ui/own_date_dialog.h"
#include "ui/own_date_editor.h"
#include "ui/settings_store.h"
#include "ui/user_folders.h"

namespace {

void settle() {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

int own_dates_shot(const QString& path) {
    namespace od = vespera::own_dates;
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
    QDir().mkpath(vespera::ui::settings_folder());
    od::OwnDateStore store(std::filesystem::path(vespera::ui::settings_folder().toStdString()) / od::kStoreFileName,
                           od::program_store_files());
    const auto day = [](int year, int month, int d) {
        return vespera::day_number_in(vespera::Calendar::Gregorian, year, month, d);
    };
    od::OwnDate anna;
    anna.title = "Anna";
    anna.kind = od::Kind::geburtstag;
    anna.first_day = day(1984, 5, 3);
    anna.repeat = od::Repeat::yearly;
    anna.note = "Blumen besorgen";
    od::OwnDate dentist;
    dentist.title = "Zahnarzt Dr. Weber";
    dentist.first_day = day(2024, 5, 3);
    dentist.start_seconds = 14 * 3600 + 30 * 60;
    od::OwnDate holiday;
    holiday.title = "Urlaub an der Ostsee";
    holiday.first_day = day(2024, 5, 1);
    holiday.day_count = 10;
    for (const od::OwnDate& date : {anna, dentist, holiday}) {
        if (const od::Change change = store.add(date); !change.ok) {
            std::fprintf(stderr, "%s\n", change.message.c_str());
            return 1;
        }
    }
    OwnDateDialog dialog(store, day(2024, 5, 3));
    dialog.move(40, 40);
    dialog.show();
    settle();
    const QPixmap list = dialog.grab();
    if (auto* list = dialog.findChild<QListWidget*>(QStringLiteral("lstTermine"))) {
        const QList<QListWidgetItem*> found = list->findItems(QStringLiteral("Anna"), Qt::MatchStartsWith);
        if (!found.isEmpty()) list->setCurrentItem(found.front());
    }
    if (auto* edit = dialog.findChild<QPushButton*>(QStringLiteral("cmdBearbeiten"))) edit->click();
    auto* editor = dialog.findChild<OwnDateEditor*>();
    if (editor == nullptr) return 1;
    editor->move(220, 120);
    settle();
    const QString base = path.endsWith(QLatin1String(".png")) ? path.chopped(4) : path;
    const QPixmap shot = QGuiApplication::platformName() == QLatin1String("xcb") ? dialog.screen()->grabWindow(0)
                                                                                  : editor->grab();
    const QPixmap edited = editor->grab();
    // A leap-day birthday without its title: the rule's row and a refusal.
    if (auto* date = editor->findChild<QLineEdit*>(QStringLiteral("txtDatum"))) date->setText(QStringLiteral("29.02.1984"));
    if (auto* title = editor->findChild<QLineEdit*>(QStringLiteral("txtTitel"))) title->clear();
    editor->accept();
    settle();
    return list.save(base + "-liste.png") && edited.save(base + "-editor.png") &&
                   editor->grab().save(base + "-fehler.png") && shot.save(path)
               ? 0
               : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "vespera_window_shots <datei.png> klein|start|voll|termine [dunkel] [bericht=N] [monat=M.JJJJ] [ort=NAME] [pdf=Monat|Liste|Sonne|Geburtstage] [termine=DATEI.ics]\n");
        return 2;
    }
    QApplication app(argc, argv);
    prepare_application(app);
    const QString path = QString::fromLocal8Bit(argv[1]);
    if (qstrcmp(argv[2], "dateien") == 0) {
        QFileDialog dialog(nullptr, QStringLiteral("Termine importieren"), documents_folder(),
                           QStringLiteral("Kalender und Adressbücher (*.ics *.vcf);;Alle Dateien (*)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.resize(760, 460);
        dialog.show();
        settle();
        return dialog.grab().save(path) ? 0 : 1;
    }

    const bool smallest = qstrcmp(argv[2], "klein") == 0;
    int report = 0;
    QString year_text;
    int shown_month = 0;
    int shown_year = 0;
    int shown_day = 0;
    QString own_dates_file;
    QStringList difference_dates;
    int take_into = -1;
    QString pdf_document; // Monat, Liste, Sonne, Geburtstage: that document as a PDF beside the picture
    QString place;        // ort=NAME: the place, as if the window had kept it
    for (int i = 3; i < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "dunkel") {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(vespera::ui::dark_desktop_palette());
        } else if (option.startsWith("bericht=")) {
            report = option.mid(8).toInt();
        } else if (option.startsWith("pdf=")) {
            pdf_document = QString::fromLatin1(option.mid(4));
        } else if (option.startsWith("ort=")) {
            place = QString::fromUtf8(option.mid(4));
        } else if (option.startsWith("termine=")) {
            own_dates_file = QString::fromLocal8Bit(option.mid(8));
        } else if (option.startsWith("differenz=")) {
            difference_dates = QString::fromUtf8(option.mid(10)).split(QLatin1Char(','));
        } else if (option.startsWith("uebernehmen=")) {
            take_into = option.mid(12).toInt();
        } else if (option.startsWith("jahr=")) {
            year_text = QString::fromUtf8(option.mid(5));
        } else if (option.startsWith("tag=")) {
            shown_day = option.mid(4).toInt();
        } else if (option.startsWith("monat=")) {
            const QList<QByteArray> parts = option.mid(6).split('.');
            if (parts.size() == 2) {
                shown_month = parts[0].toInt();
                shown_year = parts[1].toInt();
            }
        }
    }
    if (qstrcmp(argv[2], "termine") == 0) return own_dates_shot(path);
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
    // The own dates of a file, as if the window had kept them.
    if (!own_dates_file.isEmpty()) {
        QDir(config.path()).mkpath(QStringLiteral("VesperaApp"));
        QFile::copy(own_dates_file, config.path() + QStringLiteral("/VesperaApp/termine.ics"));
    }
    if (!place.isEmpty()) {
        QSettings(config.path() + QStringLiteral("/VesperaApp/VesperaApp.ini"), QSettings::IniFormat)
            .setValue(QStringLiteral("Settings/ort"), place);
    }
    const QDateTime now(QDate(2024, 5, 3), QTime(14, 15, 2), QTimeZone(QByteArrayLiteral("Europe/Berlin")));
    frmKalender window([now] { return now; }, [](const QString&) {});
    window.layout()->activate();
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdDaten(%1)").arg(report))) button->click();
    if (smallest) window.resize(window.minimumSize());
    if (qstrcmp(argv[2], "voll") == 0) window.resize(window.screen()->availableGeometry().size());
    window.show();
    if (auto* year = window.findChild<QLineEdit*>(QStringLiteral("txtJahr")); year && !year_text.isNull()) {
        year->setFocus();
        year->selectAll();
        QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(year, &erase);
        for (const QChar c : year_text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(year, &press);
        }
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(year, &enter);
    }
    if (shown_month >= 1 && shown_month <= 12) window.ZeichneMonat(shown_month, shown_year);
    if (auto* month = window.findChild<MonthView*>(QStringLiteral("picMonat")); month && shown_day > 0) {
        emit month->dayPressed(shown_day);
    }
    if (difference_dates.size() == 2) {
        for (int i = 0; i < 2; ++i) {
            if (auto* box = window.findChild<QLineEdit*>(QStringLiteral("txtDatum(%1)").arg(i))) box->setText(difference_dates[i]);
        }
        if (auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdBerechnen"))) button->click();
    }
    if (auto* button = window.findChild<QPushButton*>(QStringLiteral("cmdDiff(%1)").arg(take_into))) button->click();
    settle();

    QScreen* screen = window.screen();
    std::printf("Bildschirm %dx%d (frei %dx%d), Skalierung %.2f\n", screen->geometry().width(),
                screen->geometry().height(), screen->availableGeometry().width(), screen->availableGeometry().height(),
                window.devicePixelRatioF());
    std::printf("kleinste Größe %dx%d, Größe %dx%d an %d,%d\n", window.minimumSize().width(),
                window.minimumSize().height(), window.width(), window.height(), window.x(), window.y());
    for (const char* name : {"picLinks", "scrBericht", "picRechts", "picMonat", "picLegende", "picInfo", "picHimmel", "picTageslaenge", "picDifferenz", "picAbout", "picListe", "cmbOrt"}) {
        if (const QWidget* part = window.findChild<QWidget*>(QString::fromLatin1(name))) {
            std::printf("%s: kleinste %dx%d, Größe %dx%d\n", name, part->minimumSizeHint().width(),
                        part->minimumSizeHint().height(), part->width(), part->height());
        }
    }
    const QRect inside = window.rect();
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisible()) continue;
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QComboBox*>(control) &&
            !qobject_cast<QLineEdit*>(control)) {
            continue;
        }
        const QRect where(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!inside.contains(where)) {
            std::printf("außerhalb: %s %d,%d %dx%d\n", qPrintable(control->objectName()), where.x(), where.y(),
                        where.width(), where.height());
        }
    }
    if (!pdf_document.isEmpty()) {
        const QString pdf = (path.endsWith(QLatin1String(".png")) ? path.chopped(4) : path) + QStringLiteral(".pdf");
        window.setPrintDialogs([pdf](const QString&) { return pdf; }, [](QPrinter&) { return false; });
        if (auto* action = window.findChild<QAction*>(QStringLiteral("act%1Pdf").arg(pdf_document))) action->trigger();
    }
    const QPixmap shot = QGuiApplication::platformName() == QLatin1String("xcb") ? screen->grabWindow(0) : window.grab();
    return shot.save(path) ? 0 : 1;
}
