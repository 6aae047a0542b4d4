// picInfo: the information panel. It keeps its rows as data (a heading, or a
// label with a value) and paints from them; the text can be copied, and a
// screen reader reads the rows (one accessible item per row).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <vector>

class QPalette;

class InfoPanel : public QWidget {
    Q_OBJECT

public:
    struct Row {
        bool heading = false;
        QString label; // the heading's text for a heading
        QString value;
        QString note; // a third column at the right (the holiday list's category)
        QString tooltip; // shown over the row; without one, a value cut short is shown whole
    };

    // Every colour the panel paints text in, and its ground; taken from the
    // palette's roles and kept readable on it (WCAG AA), light or dark.
    struct Colours {
        QColor background;
        QColor heading;
        QColor rule; // the line under a heading; no text
        QColor label;
        QColor value;
        QColor statutory_note;
        QColor regional_note;
        QColor other_note;
    };
    static Colours colours(const QPalette& palette);

    explicit InfoPanel(QWidget* parent = nullptr);

    void clear();
    // Both return the new row's index, so that a row can be redrawn in place.
    int AddHeading(const QString& text);
    int AddLine(const QString& label, const QString& value, const QString& note = {});
    void setRowValue(int index, const QString& value);
    void setRowTooltip(int index, const QString& tooltip);

    const std::vector<Row>& rows() const { return rows_; }
    // One row per line, label and value (and a note) separated by tabs.
    QString text() const;
    // A row as a screen reader says it: "Sonne: 05:12 Uhr - 21:04 Uhr".
    static QString spokenText(const Row& row);
    // How many rows fit whole; the panel never draws a cut row.
    int wholeRows() const;
    // The row's place in the panel; empty for a row that is not drawn.
    QRect rowRect(int index) const;
    void copyToClipboard() const;

    // The font the rows are drawn in: the widget's font, larger in a larger panel.
    const QFont& textFont() const { return text_font_; }

    // True while the pointer is over the panel (the wheel scrolls the list then).
    bool isHovered() const { return hovered_; }

signals:
    void resized();
    // +1: the wheel turned towards the user (scroll down), -1: away from the user.
    void wheelNotches(int direction);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int rowHeight() const;
    int valueColumn() const;
    void fitFont();
    // Tells a screen reader that the rows changed, once per rebuild.
    void rowsChanged();

    std::vector<Row> rows_;
    QFont text_font_;
    bool hovered_ = false;
    bool change_pending_ = false;
};
