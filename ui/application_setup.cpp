#include "ui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void prepare_application(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Vespera"));
    QApplication::setOrganizationName(QStringLiteral("VesperaApp"));
    // Lets Wayland shells match the window to vespera.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("vespera"));
    // Qt's own dialogs (files, print, colours) in German, from Debian's
    // qt6-translations-l10n; without it they stay English.
    auto* qt_german = new QTranslator(&app);
    if (qt_german->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qt_german);
    } else {
        delete qt_german;
    }
}
