// "Termin …": the own dates of one day, to add, change or delete. Every
// change goes to the store at once; the window rebuilds its month when
// datesChanged() was sent (or changed() is true after the dialog closed).
#pragma once

#include <QDialog>
#include <cstdint>

#include "own_dates/occurrences.h"
#include "own_dates/store.h"

class QLabel;
class QListWidget;
class QPushButton;

class OwnDateDialog : public QDialog {
    Q_OBJECT

public:
    // `day` is a day number; `options` are those the window lists its own
    // dates with (its place's clock and the 29 February setting).
    OwnDateDialog(vespera::own_dates::OwnDateStore& store, std::int64_t day, QWidget* parent = nullptr,
                  vespera::own_dates::OccurrenceOptions options = {});

    // The store showed something new while the dialog was open: a change
    // here, or another window's found on saving.
    bool changed() const { return changed_; }
    // The 29 February setting, changed in the editor or not.
    vespera::own_dates::LeapDayRule leapDayRule() const { return options_.leap_day; }

signals:
    void datesChanged();

private:
    void refresh();
    void updateButtons();
    void openEditor(bool new_date);
    void removeSelected();
    void noteRevision(std::uint64_t before);

    vespera::own_dates::OwnDateStore& store_;
    std::int64_t day_;
    vespera::own_dates::OccurrenceOptions options_;
    bool changed_ = false;

    QLabel* lblProblem = nullptr; // why the store only reads
    QListWidget* lstTermine = nullptr;
    QLabel* lblLeer = nullptr;
    QPushButton* cmdNeu = nullptr;
    QPushButton* cmdBearbeiten = nullptr;
    QPushButton* cmdLoeschen = nullptr;
    QLabel* lblFehler = nullptr;
};
