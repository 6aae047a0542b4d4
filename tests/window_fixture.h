// Set-up for window tests: a private settings folder, a fixed clock and a
// recorder for the messages the window would show in a box.
#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QSettings>
#include <QStringList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <memory>

#include "ui/frmKalender.h"

// The instant at which Berlin's clocks read the given date and time: the
// window reads "now" as an instant and shows it on the place's clock.
inline QDateTime berlin_time(QDate date, QTime time) {
    return QDateTime(date, time, QTimeZone(QByteArrayLiteral("Europe/Berlin")));
}

struct WindowForTest {
    QTemporaryDir config;
    QDateTime now = berlin_time(QDate(2024, 5, 3), QTime(14, 15, 2));
    QStringList messages;
    std::unique_ptr<frmKalender> window;

    WindowForTest() { qputenv("VESPERA_CONFIG_DIR", config.path().toLocal8Bit()); }

    QString settingsPath() const { return config.path() + "/VesperaApp/VesperaApp.ini"; }

    // Writes keys of the "Settings" group before the window starts.
    void store(const QString& key, const QString& value) {
        QSettings settings(settingsPath(), QSettings::IniFormat);
        settings.setValue("Settings/" + key, value);
    }

    // termine.ics in the settings folder before the window starts.
    void storeOwnDates(const QByteArray& ics) {
        QDir(config.path()).mkpath("VesperaApp");
        QFile file(config.path() + "/VesperaApp/termine.ics");
        if (file.open(QIODevice::WriteOnly)) file.write(ics);
    }

    frmKalender& start() {
        window = std::make_unique<frmKalender>([this] { return now; },
                                               [this](const QString& text) { messages << text; });
        window->resize(1000, 680);
        window->show();
        return *window;
    }

    // As the user sees it: the first picture painted, and what the window
    // leaves for after it (the year's sky events, the own dates) done.
    frmKalender& startPainted() {
        start();
        window->grab();
        QCoreApplication::processEvents();
        return *window;
    }

    template <class T>
    T* find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    // The report panel's rows as "label\tvalue" lines (headings alone).
    QStringList reportLines() const;
    QString valueOf(const QString& label) const;
    void click(const char* name) const;
};
