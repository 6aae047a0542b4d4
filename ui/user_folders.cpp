#include "ui/user_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString documents_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
