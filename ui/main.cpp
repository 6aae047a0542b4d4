#include <QApplication>

#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespera"));
    QApplication::setOrganizationName(QStringLiteral("VesperaApp"));
    // Lets Wayland shells match the window to vespera.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("vespera"));
    frmKalender window;
    window.show();
    return QApplication::exec();
}
