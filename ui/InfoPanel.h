// picInfo: the information panel. It keeps its rows as data (a heading, or a
// label with a value) and paints from them; the text can be copied.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class InfoPanel : public QWidget {
    Q_OBJECT

public:
    struct Row {
        bool heading = false;
        QString label; // the heading's text for a heading
        QString value;
        QString note; // a third column at the right (the holiday list's category)
    };

    explicit InfoPanel(QWidget* parent = nullptr);

    void clear();
    // Both return the new row's index, so that a row can be redrawn in place.
    int AddHeading(const QString& text);
    int AddLine(const QString& label, const QString& value, const QString& note = {});
    void setRowValue(int index, const QString& value);

    const std::vector<Row>& rows() const { return rows_; }
    // One row per line, label and value (and a note) separated by tabs.
    QString text() const;
    // How many rows fit whole; the panel never draws a cut row.
    int wholeRows() const;
    void copyToClipboard() const;

    // True while the pointer is over the panel (the wheel scrolls the list then).
    bool isHovered() const { return hovered_; }

signals:
    void resized();
    // +1: the wheel turned towards the user (scroll down), -1: away from the user.
    void wheelNotches(int direction);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int rowHeight() const;
    int valueColumn() const;

    std::vector<Row> rows_;
    bool hovered_ = false;
};
