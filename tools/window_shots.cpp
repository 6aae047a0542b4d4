// Developer tool: the window at its smallest or its first-start size, light
// or dark, as a screen of a given size shows it. Under Xvfb on the xcb
// platform the picture is the whole screen, so a window that does not fit
// shows as cut; elsewhere it is the window alone. It names every control
// that lies outside the window.
//   xvfb-run -s "-screen 0 1024x640x24" vespera_window_shots out.png klein|start|voll [dunkel] [bericht=N]
// "voll" fills the screen; N is the index of the report button to press;
// jahr=TEXT types TEXT into the year field and presses Enter; monat=M.JJJJ
// shows that month.
#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cstdio>

#include "ui/contrast.h"
#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "vespera_window_shots <datei.png> klein|start|voll [dunkel] [bericht=N]\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString path = QString::fromLocal8Bit(argv[1]);
    const bool smallest = qstrcmp(argv[2], "klein") == 0;
    int report = 0;
    QString year_text;
    int shown_month = 0;
    int shown_year = 0;
    for (int i = 3; i < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "dunkel") {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(vespera::ui::dark_desktop_palette());
        } else if (option.startsWith("bericht=")) {
            report = option.mid(8).toInt();
        } else if (option.startsWith("jahr=")) {
            year_text = QString::fromUtf8(option.mid(5));
        } else if (option.startsWith("monat=")) {
            const QList<QByteArray> parts = option.mid(6).split('.');
            if (parts.size() == 2) {
                shown_month = parts[0].toInt();
                shown_year = parts[1].toInt();
            }
        }
    }
    QTemporaryDir config;
    qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit());
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
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) QApplication::processEvents(QEventLoop::AllEvents, 50);

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
    const QPixmap shot = QGuiApplication::platformName() == QLatin1String("xcb") ? screen->grabWindow(0) : window.grab();
    return shot.save(path) ? 0 : 1;
}
