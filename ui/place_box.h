// The city box cmbOrt: the built-in cities as its drop-down list, "Eigener
// Ort …" at the list's end, and a search of the whole gazetteer as the user
// types. Only a deliberate pick changes the place: a click, or Enter on a
// suggestion. The arrow keys and the wheel never do; Esc and leaving the box
// restore the chosen place's name.
#pragma once

#include <QComboBox>
#include <memory>
#include <vector>

#include "places/place_search.h"

class QCompleter;
class QStringListModel;
class QAbstractItemView;

class PlaceBox : public QComboBox {
    Q_OBJECT

public:
    explicit PlaceBox(QWidget* parent = nullptr);
    ~PlaceBox() override;

    // The built-in cities in list order, then a separator and "Eigener Ort …".
    void setCities(const QStringList& names);
    int cityCount() const { return city_count_; }
    int customPlaceIndex() const { return city_count_ + 1; }
    static QString customPlaceText();

    // Shows the chosen place: selects its list entry, or shows its name with
    // no entry selected (a gazetteer place, an own place).
    void showPlace(const QString& name, const QString& description = {});
    QString shownPlace() const { return shown_; }

    // The search, with the gazetteer read on first use (the first keystroke):
    // the program's start does not wait for it.
    const vespera::PlaceSearch& search();
    bool gazetteerLoaded() const { return gazetteer_tried_; }

    // The suggestions for the text typed so far, as the popup lists them
    // ("Eigener Ort …" follows them there).
    const std::vector<vespera::Place>& suggestions() const { return suggestions_; }
    QAbstractItemView* suggestionView();

signals:
    void placePicked(const vespera::Place& place);
    void customPlaceWanted();
    // A German note for the status line (the gazetteer could not be read).
    void note(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void textTyped(const QString& text);
    void showSuggestions();
    void pickSuggestion(int row);
    void pickFirstSuggestion();
    void moveHighlight(int rows);
    void restore();
    QCompleter* suggestionCompleter();
    void hideSuggestions();
    bool suggestionsVisible() const;
    bool edited() const;

    int city_count_ = 0;
    std::unique_ptr<vespera::PlaceSearch> search_;
    bool gazetteer_tried_ = false;
    std::vector<vespera::Place> suggestions_;
    QCompleter* completer_ = nullptr;
    QStringListModel* model_ = nullptr;
    QString shown_;
};
