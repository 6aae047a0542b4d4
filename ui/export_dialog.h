// "Export iCal": where the file goes and which categories it holds. The file
// name is proposed as Feiertage_<Jahr>_<Region>.ics in the documents folder;
// "gesetzliche Feiertage" is chosen at first.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

#include "report/holiday_categories.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct ExportRequest {
    QString path;
    vespera::report::CategorySet categories = vespera::report::kStatutoryDays;
    bool own_dates = false; // the user's own dates too; with no category, they alone
};

class ExportDialog : public QDialog {
    Q_OBJECT

public:
    // `what` names the year and region above the choices: "2025 · Bayern".
    ExportDialog(const ExportRequest& proposal, const QString& what, QWidget* parent = nullptr);

    ExportRequest request() const;

private:
    void browse();
    void updateButton();

    QLineEdit* txtDatei = nullptr;
    QPushButton* cmdDurchsuchen = nullptr;
    std::array<QCheckBox*, vespera::report::kHolidayCategoryCount> chkKategorie{};
    QCheckBox* chkTermine = nullptr;
    QPushButton* cmdExportieren = nullptr;
};
