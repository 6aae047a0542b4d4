#include "ui/place_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "places/custom_place.h"
#include "zones/zone.h"
#include "ui/contrast.h"

namespace {

constexpr int kCoordinateDecimals = 4; // 11 m: finer than any almanac time needs

QString degrees_text(double value, char separator) {
    return QString::number(value, 'f', kCoordinateDecimals).replace(u'.', QChar::fromLatin1(separator));
}

} // namespace

PlaceDialog::PlaceDialog(double latitude_deg, double longitude_deg, const QString& zone, char separator,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgEigenerOrt"));
    setWindowTitle(QStringLiteral("Eigener Ort"));

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setPlaceholderText(QStringLiteral("zum Beispiel Gartenhaus"));
    txtName->setMaxLength(static_cast<int>(vespera::kMaxPlaceNameCharacters));
    txtBreite = new QLineEdit(degrees_text(latitude_deg, separator), this);
    txtBreite->setObjectName(QStringLiteral("txtBreite"));
    txtBreite->setToolTip(QStringLiteral("Dezimalgrad, Norden positiv: 48,5372 oder 48,5372 N; Süden negativ oder S"));
    txtLaenge = new QLineEdit(degrees_text(longitude_deg, separator), this);
    txtLaenge->setObjectName(QStringLiteral("txtLaenge"));
    txtLaenge->setToolTip(QStringLiteral("Dezimalgrad, Osten positiv: 12,1517 oder 12,1517 O; Westen negativ oder W"));

    cmbZone = new QComboBox(this);
    cmbZone->setObjectName(QStringLiteral("cmbZone"));
    cmbZone->setEditable(true);
    cmbZone->setInsertPolicy(QComboBox::NoInsert);
    cmbZone->setMaxVisibleItems(20);
    for (const std::string& name : vespera::Zone::known_names()) cmbZone->addItem(QString::fromStdString(name));
    // "berlin" finds Europe/Berlin: the search looks inside the names.
    cmbZone->completer()->setFilterMode(Qt::MatchContains);
    cmbZone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    cmbZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    // Enter on a single suggestion ("vaduz": Europe/Vaduz) takes it, in the
    // field and in the suggestions' popup, which sees the keys first.
    cmbZone->lineEdit()->installEventFilter(this);
    cmbZone->completer()->popup()->installEventFilter(this);
    const int zone_index = cmbZone->findText(zone);
    cmbZone->setCurrentIndex(zone_index);
    cmbZone->setEditText(zone.isEmpty() ? QStringLiteral("Europe/Berlin") : zone);

    lblFehler = new QLabel(this);
    lblFehler->setObjectName(QStringLiteral("lblFehler"));
    lblFehler->setWordWrap(true);
    lblFehler->setAccessibleName(QStringLiteral("Fehler"));
    QPalette warning = lblFehler->palette();
    // Red, but readable on a dark desktop too.
    warning.setColor(QPalette::WindowText, vespera::ui::readable_on(QColor(176, 0, 32), warning.color(QPalette::Window)));
    lblFehler->setPalette(warning);
    lblFehler->hide();
    // A refusal stands for the input it was about: any change takes it back.
    for (QLineEdit* field : {txtName, txtBreite, txtLaenge}) {
        connect(field, &QLineEdit::textEdited, this, &PlaceDialog::clearError);
    }
    connect(cmbZone, &QComboBox::editTextChanged, this, &PlaceDialog::clearError);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), txtName);
    form->addRow(QStringLiteral("&Breite (°N):"), txtBreite);
    form->addRow(QStringLiteral("&Länge (°O):"), txtLaenge);
    form->addRow(QStringLiteral("&Zeitzone:"), cmbZone);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* take = buttons->addButton(QStringLiteral("Übernehmen"), QDialogButtonBox::AcceptRole);
    take->setObjectName(QStringLiteral("cmdUebernehmen"));
    take->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PlaceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlaceDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblFehler);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    txtName->setFocus();
}

void PlaceDialog::clearError() {
    lblFehler->clear();
    lblFehler->hide();
}

bool PlaceDialog::takeSingleZoneSuggestion() {
    const QString typed = cmbZone->currentText().trimmed();
    if (typed.isEmpty() || cmbZone->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0) return false;
    QCompleter* completer = cmbZone->completer();
    completer->setCompletionPrefix(typed);
    if (completer->completionCount() != 1) return false;
    completer->setCurrentRow(0);
    const QString zone = completer->currentCompletion();
    completer->popup()->hide();
    cmbZone->setCurrentIndex(cmbZone->findText(zone, Qt::MatchExactly | Qt::MatchCaseSensitive));
    cmbZone->setEditText(zone);
    return true;
}

bool PlaceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && takeSingleZoneSuggestion()) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void PlaceDialog::accept() {
    const std::string name = txtName->text().toStdString();
    const std::string latitude = txtBreite->text().toStdString();
    const std::string longitude = txtLaenge->text().toStdString();
    const std::string zone = cmbZone->currentText().toStdString();
    vespera::CustomPlaceCheck check = vespera::check_custom_place({name, latitude, longitude, zone});
    if (!check.place) {
        place_.reset();
        lblFehler->setText(QString::fromStdString(check.error));
        lblFehler->show();
        return;
    }
    place_ = std::move(check.place);
    QDialog::accept();
}
