// "Eigener Ort …": latitude, longitude, a name and a zone of the tz database.
// "Übernehmen" checks them (vespera::check_custom_place) and closes only
// when they are sound; otherwise the reason stands in the dialog and nothing
// is taken.
#pragma once

#include <QDialog>
#include <optional>

#include "places/place_search.h"

class QComboBox;
class QLabel;
class QLineEdit;

class PlaceDialog : public QDialog {
    Q_OBJECT

public:
    // Starts from the chosen place's coordinates and zone, with an empty name.
    PlaceDialog(double latitude_deg, double longitude_deg, const QString& zone, char separator,
                QWidget* parent = nullptr);

    // The accepted place; empty until "Übernehmen" found the input sound.
    const std::optional<vespera::Place>& place() const { return place_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeSingleZoneSuggestion();
    void clearError();

    QLineEdit* txtName = nullptr;
    QLineEdit* txtBreite = nullptr;
    QLineEdit* txtLaenge = nullptr;
    QComboBox* cmbZone = nullptr;
    QLabel* lblFehler = nullptr;
    std::optional<vespera::Place> place_;
};
