#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespera"));
    QApplication::setOrganizationName(QStringLiteral("VesperaApp"));
    // Lets Wayland shells match the window to vespera.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("vespera"));
    // Qt's own dialogs (files, print, colours) in German, from Debian's
    // qt6-translations-l10n; without it they stay English.
    QTranslator qt_german;
    if (qt_german.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qt_german);
    }
    frmKalender window;
    window.show();
    return QApplication::exec();
}
