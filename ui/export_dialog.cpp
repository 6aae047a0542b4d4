#include "ui/export_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using vespera::report::HolidayCategory;

// In the order of HolidayCategory.
constexpr std::array<const char*, vespera::report::kHolidayCategoryCount> kChoices = {
    "gesetzliche Feiertage",
    "regionale Feiertage (nur in Teilen der Region gesetzlich)",
    "Tage im Kirchenjahr",
    "Gedenktage",
    "Brauchtum",
    "astronomische Tage (Jahreszeiten)",
    "Schulferien",
    "jüdische Feste",
    "islamische Feste (nach dem Umm-al-Qura-Kalender)",
    "orthodoxe Feste",
    "Chinesisches Neujahr",
    "Nouruz (persisches Neujahr)",
    "schulfreie Tage (ohne allgemeinen Ruhetag)",
    "Jahreskreisfeste",
    "Br\u00fcckentage",
};

} // namespace

ExportDialog::ExportDialog(const ExportRequest& proposal, const QString& what, QWidget* parent) : QDialog(parent) {
    setObjectName("frmExport");
    setWindowTitle(QStringLiteral("Feiertage exportieren"));

    auto* file_row = new QHBoxLayout;
    txtDatei = new QLineEdit(proposal.path, this);
    txtDatei->setObjectName("txtDatei");
    txtDatei->setAccessibleName(QStringLiteral("Datei"));
    txtDatei->setMinimumWidth(380);
    cmdDurchsuchen = new QPushButton(QStringLiteral("Ändern …"), this);
    cmdDurchsuchen->setObjectName("cmdDurchsuchen");
    cmdDurchsuchen->setAutoDefault(false);
    file_row->addWidget(txtDatei, 1);
    file_row->addWidget(cmdDurchsuchen);

    auto* choices = new QGroupBox(QStringLiteral("Kategorien"), this);
    choices->setObjectName("grpKategorien");
    auto* grid = new QVBoxLayout(choices);
    for (std::size_t i = 0; i < kChoices.size(); ++i) {
        auto* box = new QCheckBox(QString::fromUtf8(kChoices[i]), choices);
        box->setObjectName(QStringLiteral("chkKategorie(%1)").arg(i));
        box->setChecked((proposal.categories & vespera::report::category_bit(static_cast<HolidayCategory>(i))) != 0);
        grid->addWidget(box);
        chkKategorie[i] = box;
        connect(box, &QCheckBox::toggled, this, [this] { updateButton(); });
    }

    chkTermine = new QCheckBox(QStringLiteral("Eigene &Termine (Geburtstage, Jahrestage, Termine) dazu"), this);
    chkTermine->setObjectName("chkTermine");
    chkTermine->setToolTip(QStringLiteral("Ohne Kategorie: nur die eigenen Termine"));
    chkTermine->setChecked(proposal.own_dates);
    connect(chkTermine, &QCheckBox::toggled, this, [this] { updateButton(); });

    auto* buttons = new QDialogButtonBox(this);
    cmdExportieren = buttons->addButton(QStringLiteral("Exportieren"), QDialogButtonBox::AcceptRole);
    cmdExportieren->setObjectName("cmdExportieren");
    QPushButton* cancel = buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cmdAbbrechen");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmdDurchsuchen, &QPushButton::clicked, this, [this] { browse(); });
    connect(txtDatei, &QLineEdit::textChanged, this, [this] { updateButton(); });

    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("iCalendar-Datei der Feiertage %1").arg(what), this);
    heading->setObjectName("lblExportJahr");
    layout->addWidget(heading);
    layout->addWidget(new QLabel(QStringLiteral("Datei:"), this));
    layout->addLayout(file_row);
    layout->addWidget(choices);
    layout->addWidget(chkTermine);
    layout->addWidget(buttons);
    updateButton();
}

ExportRequest ExportDialog::request() const {
    ExportRequest request;
    request.path = txtDatei->text().trimmed();
    request.categories = 0;
    for (std::size_t i = 0; i < chkKategorie.size(); ++i) {
        if (chkKategorie[i]->isChecked()) request.categories |= vespera::report::category_bit(static_cast<HolidayCategory>(i));
    }
    request.own_dates = chkTermine->isChecked();
    return request;
}

void ExportDialog::browse() {
    // The window asks before it replaces a file, at the moment it writes.
    const QString chosen = QFileDialog::getSaveFileName(this, QStringLiteral("Exportieren als"), txtDatei->text(),
                                                        QStringLiteral("iCalendar (*.ics);;Alle Dateien (*)"), nullptr,
                                                        QFileDialog::DontConfirmOverwrite);
    if (!chosen.isEmpty()) txtDatei->setText(chosen);
}

void ExportDialog::updateButton() {
    const ExportRequest chosen = request();
    cmdExportieren->setEnabled(!chosen.path.isEmpty() && (chosen.categories != 0 || chosen.own_dates));
}
