#include "ui/place_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStringListModel>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace {

// As many suggestions as a popup of a dozen rows can scroll through.
constexpr std::size_t kSuggestions = 20;
constexpr int kVisibleSuggestions = 12;
constexpr int kVisibleCities = 20;

QString text_of(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

PlaceBox::PlaceBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(kVisibleCities);
    // The box's own completer and its reactions to Enter and to leaving the
    // text select a list entry whose text was typed: picking is done here.
    setCompleter(nullptr);
    lineEdit()->disconnect(SIGNAL(returnPressed()));
    lineEdit()->disconnect(SIGNAL(editingFinished()));
    lineEdit()->setPlaceholderText(QStringLiteral("Ort suchen …"));

    connect(lineEdit(), &QLineEdit::textEdited, this, &PlaceBox::textTyped);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index != customPlaceIndex() || city_count_ == 0) return;
        restore();
        // After the list's popup has closed: the dialog has its own event loop.
        QTimer::singleShot(0, this, [this] { emit customPlaceWanted(); });
    });
}

PlaceBox::~PlaceBox() = default;

QString PlaceBox::customPlaceText() { return QStringLiteral("Eigener Ort …"); }

void PlaceBox::setCities(const QStringList& names) {
    const QSignalBlocker quiet(this);
    clear();
    addItems(names);
    city_count_ = static_cast<int>(names.size());
    insertSeparator(city_count_);
    addItem(customPlaceText());
    setCurrentIndex(-1);
}

// The suggestions' popup is made on the first keystroke, not at the start.
QCompleter* PlaceBox::suggestionCompleter() {
    if (!completer_) {
        model_ = new QStringListModel(this);
        completer_ = new QCompleter(model_, this);
        completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        completer_->setMaxVisibleItems(kVisibleSuggestions);
        // Past the last row QCompleter would mark none, and Enter would then
        // take nothing while the box kept the typed name: the arrows stop at
        // the ends, as moveHighlight does.
        completer_->setWrapAround(false);
        completer_->setWidget(this);
        completer_->popup()->setObjectName(QStringLiteral("lstOrtSuche"));
        // Every row is one line of text: the list lays out and scrolls by the
        // first row's height instead of shaping all rows' text again on each
        // keystroke (most of a keystroke's time before).
        if (auto* list = qobject_cast<QListView*>(completer_->popup())) list->setUniformItemSizes(true);
        connect(completer_, QOverload<const QModelIndex&>::of(&QCompleter::activated), this,
                [this](const QModelIndex& index) { pickSuggestion(index.row()); });
    }
    return completer_;
}

QAbstractItemView* PlaceBox::suggestionView() { return suggestionCompleter()->popup(); }

void PlaceBox::hideSuggestions() {
    if (completer_) completer_->popup()->hide();
}

const vespera::PlaceSearch& PlaceBox::search() {
    if (!gazetteer_tried_) {
        gazetteer_tried_ = true;
        vespera::GazetteerLoad load = vespera::load_gazetteer();
        if (load.gazetteer) {
            search_ = std::make_unique<vespera::PlaceSearch>(
                std::make_shared<const vespera::Gazetteer>(std::move(*load.gazetteer)));
        } else {
            search_.reset();
            emit note(QStringLiteral("Das Ortsverzeichnis fehlt oder ist beschädigt (%1); gesucht wird nur in der "
                                     "Liste der Städte.")
                          .arg(text_of(load.error)));
        }
    }
    if (!search_) search_ = std::make_unique<vespera::PlaceSearch>();
    return *search_;
}

void PlaceBox::showPlace(const QString& name, const QString& description) {
    shown_ = name;
    setToolTip(description);
    restore();
}

void PlaceBox::restore() {
    hideSuggestions();
    suggestions_.clear(); // they were for the text that is now replaced
    const QSignalBlocker quiet(this);
    const int index = findText(shown_, Qt::MatchExactly | Qt::MatchCaseSensitive);
    setCurrentIndex(index >= 0 && index < city_count_ ? index : -1);
    setEditText(shown_);
}

bool PlaceBox::edited() const { return lineEdit()->text() != shown_; }

bool PlaceBox::suggestionsVisible() const { return completer_ && completer_->popup()->isVisible(); }

void PlaceBox::textTyped(const QString& text) {
    suggestions_.clear();
    if (text.trimmed().isEmpty()) {
        hideSuggestions();
        return;
    }
    suggestions_ = search().search(text.toStdString(), kSuggestions);
    showSuggestions();
}

void PlaceBox::showSuggestions() {
    if (suggestions_.empty() && !lineEdit()->text().trimmed().isEmpty()) {
        suggestions_ = search().search(lineEdit()->text().toStdString(), kSuggestions);
    }
    QStringList rows;
    for (const vespera::Place& place : suggestions_) rows << text_of(place.label);
    rows << customPlaceText();
    QAbstractItemView* view = suggestionView();
    model_->setStringList(rows);
    // Wide enough for "Neustadt an der Weinstraße, Rheinland-Pfalz", never
    // narrower than the box. Shaping every row's text cost more than the
    // search: the rows are measured by their letters' advances (the font
    // engine keeps them), a bound that kerning only narrows, and the widest
    // row once more through the delegate for its margins.
    const QFontMetrics metrics = view->fontMetrics();
    int widest_row = 0;
    int widest = -1;
    for (int row = 0; row < rows.size(); ++row) {
        int advance = 0;
        for (const QChar c : rows[row]) advance += metrics.horizontalAdvance(c);
        if (advance > widest) {
            widest = advance;
            widest_row = row;
        }
    }
    const int margins = view->sizeHintForIndex(completer_->completionModel()->index(widest_row, 0)).width() -
                        metrics.horizontalAdvance(rows[widest_row]);
    const int scroll_bar = view->verticalScrollBar()->sizeHint().width();
    const int width = std::max(this->width(), widest + margins + 2 * view->frameWidth() + scroll_bar);
    completer_->complete(QRect(0, 0, width, height()));
    // Whole rows only: QCompleter adds a few pixels, a sliver of the next row.
    const int shown_rows = std::min(kVisibleSuggestions, static_cast<int>(rows.size()));
    const int exact = view->sizeHintForRow(0) * shown_rows + 2 * view->frameWidth();
    QRect geometry = view->geometry();
    if (view->isVisible() && geometry.height() > exact) {
        const bool above = geometry.bottom() < mapToGlobal(QPoint(0, 0)).y();
        const int bottom = geometry.bottom();
        geometry.setHeight(exact);
        if (above) geometry.moveBottom(bottom);
        view->setGeometry(geometry);
    }
    // Enter takes the best match; the arrow keys move from there.
    view->setCurrentIndex(completer_->completionModel()->index(0, 0));
}

void PlaceBox::moveHighlight(int rows) {
    QAbstractItemView* view = completer_->popup();
    const int last = completer_->completionModel()->rowCount() - 1;
    const int row = std::clamp(view->currentIndex().row() + rows, 0, std::max(last, 0));
    view->setCurrentIndex(completer_->completionModel()->index(row, 0));
}

void PlaceBox::pickSuggestion(int row) {
    hideSuggestions();
    // No row marked: Enter means the typed name, as with the list closed.
    if (row < 0) {
        pickFirstSuggestion();
        return;
    }
    if (static_cast<std::size_t>(row) >= suggestions_.size()) {
        restore();
        QTimer::singleShot(0, this, [this] { emit customPlaceWanted(); });
        return;
    }
    const vespera::Place place = suggestions_[static_cast<std::size_t>(row)];
    emit placePicked(place);
}

void PlaceBox::pickFirstSuggestion() {
    // Enter on an emptied box means no new place.
    if (lineEdit()->text().trimmed().isEmpty()) {
        restore();
        return;
    }
    const QString typed = lineEdit()->text();
    if (suggestions_.empty()) suggestions_ = search().search(typed.toStdString(), kSuggestions);
    if (suggestions_.empty()) {
        // The box never shows a name the report is not for.
        restore();
        emit note(QStringLiteral("Den Ort \u201e%1\u201c gibt es im Ortsverzeichnis nicht.").arg(typed.trimmed()));
        return;
    }
    pickSuggestion(0);
}

void PlaceBox::keyPressEvent(QKeyEvent* event) {
    const bool open = suggestionsVisible();
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        // QComboBox would step to the neighbouring city and choose it.
        if (alt) break;
        const int page = kVisibleSuggestions - 1;
        const int step = event->key() == Qt::Key_Up ? -1 : event->key() == Qt::Key_Down ? 1
                         : event->key() == Qt::Key_PageUp ? -page : page;
        if (open) {
            moveHighlight(step);
        } else if (edited() && !lineEdit()->text().trimmed().isEmpty()) {
            showSuggestions();
        } else {
            restore();
            showPopup();
        }
        event->accept();
        return;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (open) {
            pickSuggestion(completer_->popup()->currentIndex().row());
        } else if (edited()) {
            pickFirstSuggestion();
        }
        event->accept();
        return;
    case Qt::Key_Escape:
        if (!open && !edited()) break;
        restore();
        event->accept();
        return;
    default: break;
    }
    QComboBox::keyPressEvent(event);
}

void PlaceBox::wheelEvent(QWheelEvent* event) {
    // QComboBox would step through the cities under a passing wheel.
    event->ignore();
}

void PlaceBox::focusOutEvent(QFocusEvent* event) {
    if (event->reason() != Qt::PopupFocusReason && !suggestionsVisible() && edited()) restore();
    QComboBox::focusOutEvent(event);
}
