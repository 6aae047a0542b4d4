#include <QApplication>

#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespera"));
    QApplication::setOrganizationName(QStringLiteral("VesperaApp"));
    frmKalender window;
    window.show();
    return QApplication::exec();
}
