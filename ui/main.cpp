#include <QApplication>

#include "ui/application_setup.h"
#include "ui/frmKalender.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepare_application(app);
    frmKalender window;
    window.show();
    return QApplication::exec();
}
