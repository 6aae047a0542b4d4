// One own date to add or change. "Speichern" hands it to the store and
// closes only when the store took it; a refusal stands in red in the
// dialog with everything typed kept, so the user can mend it or cancel.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "own_dates/occurrences.h"
#include "own_dates/own_date.h"
#include "own_dates/store.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Red, readable on any desktop: a refusal in the own-date dialogs.
void make_warning_label(QLabel* label);

class OwnDateEditor : public QDialog {
    Q_OBJECT

public:
    // A new date on `day` (a day number), or `existing` to change. The
    // 29 February choice is the user's setting: it applies to every yearly
    // date of that day and is saved in the settings when changed here.
    OwnDateEditor(vespera::own_dates::OwnDateStore& store, std::int64_t day,
                  std::optional<vespera::own_dates::OwnDate> existing, vespera::own_dates::LeapDayRule leap_day,
                  QWidget* parent = nullptr);

    // The setting as it stands after "Speichern".
    vespera::own_dates::LeapDayRule leapDayRule() const { return leap_day_; }

    void accept() override;

private:
    // The date the fields describe, or in German why they describe none.
    struct Typed {
        std::optional<vespera::own_dates::OwnDate> date;
        QString problem;
        QWidget* field = nullptr; // where the problem is, for the focus
    };
    Typed typedDate() const;
    vespera::own_dates::Kind kind() const;
    void updateRows();
    void showProblem(const QString& text);
    void clearProblem();

    vespera::own_dates::OwnDateStore& store_;
    std::optional<vespera::own_dates::OwnDate> existing_;
    vespera::own_dates::LeapDayRule leap_day_;

    QFormLayout* form_ = nullptr;
    QLineEdit* txtTitel = nullptr;
    QComboBox* cmbArt = nullptr;
    QLineEdit* txtDatum = nullptr;
    QCheckBox* chkJahrUnbekannt = nullptr;
    QLineEdit* txtBis = nullptr;
    QLineEdit* txtUhrzeit = nullptr;
    QCheckBox* chkGanztaegig = nullptr;
    QComboBox* cmbWiederholung = nullptr;
    QLineEdit* txtRegel = nullptr; // an imported rule, shown, never edited
    QComboBox* cmb29Februar = nullptr;
    QPlainTextEdit* txtNotiz = nullptr;
    QLabel* lblFehler = nullptr;
};
