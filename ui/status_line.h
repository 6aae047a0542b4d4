// The window's status line: always one line high, so that the controls
// above it stay where they are when a message comes or goes. A message too
// long for the width ends in "…" and shows whole in the tooltip and to a
// screen reader.
#pragma once

#include <QLabel>

class StatusLine : public QLabel {
public:
    explicit StatusLine(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};
