#include "ui/own_date_import.h"
#include "ui/user_folders.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <filesystem>

#include "base/data_files.h"
#include "own_dates/calendar_file.h"
#include "own_dates/import.h"

namespace od = vespera::own_dates;

namespace {

// A box and a status line show a few reasons; the rest only by count.
constexpr std::size_t kReasonsShown = 3;

QString unread_file_text(vespera::FileReadStatus status, const QString& path) {
    const QString name = QDir::toNativeSeparators(path);
    switch (status) {
    case vespera::FileReadStatus::missing: return QStringLiteral("Die Datei %1 gibt es nicht.").arg(name);
    case vespera::FileReadStatus::not_regular:
        return QStringLiteral("%1 ist keine gewöhnliche Datei und wurde nicht gelesen.").arg(name);
    case vespera::FileReadStatus::too_large:
        return QStringLiteral("Die Datei %1 ist größer als %2 MB und wurde nicht gelesen.")
            .arg(name)
            .arg(od::kStoreLimits.max_bytes / (1024 * 1024));
    case vespera::FileReadStatus::unreadable:
        return QStringLiteral("Die Datei %1 lässt sich nicht lesen. Bitte prüfen Sie Ihre Leserechte.").arg(name);
    case vespera::FileReadStatus::read: break;
    }
    return {};
}

} // namespace

QString importOwnDatesFrom(const QString& path, od::OwnDateStore& store) {
    const vespera::FileRead file = vespera::read_regular_file_checked(
        std::filesystem::path(QFile::encodeName(path).toStdString()), od::kStoreLimits.max_bytes);
    if (file.status != vespera::FileReadStatus::read) {
        return QStringLiteral("Nichts importiert: ") + unread_file_text(file.status, path);
    }
    const od::ImportReport report = store.import(od::read_import(file.content));
    QString text = QString::fromStdString(report.message);
    if (!report.ok) return QStringLiteral("Nichts importiert: ") + text;
    for (std::size_t i = 0; i < report.reasons.size() && i < kReasonsShown; ++i) {
        text += u'\n' + QString::fromStdString(report.reasons[i]);
    }
    if (report.reasons.size() > kReasonsShown) {
        text += QStringLiteral("\n… und %1 weitere.").arg(report.reasons.size() - kReasonsShown);
    }
    return text;
}

QString importOwnDates(QWidget* parent, od::OwnDateStore& store) {
    const QString path =
        QFileDialog::getOpenFileName(parent, QStringLiteral("Termine importieren"), documents_folder(),
                                     QStringLiteral("Kalender und Adressbücher (*.ics *.vcf);;Alle Dateien (*)"));
    if (path.isEmpty()) return {};
    return importOwnDatesFrom(path, store);
}
