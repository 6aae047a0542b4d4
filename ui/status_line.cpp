#include "ui/status_line.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setTextFormat(Qt::PlainText);
}

QSize StatusLine::sizeHint() const {
    const QMargins m = contentsMargins();
    return {QLabel::sizeHint().width(), fontMetrics().height() + m.top() + m.bottom()};
}

QSize StatusLine::minimumSizeHint() const { return {0, sizeHint().height()}; }

QString StatusLine::shownText() const {
    // One line: a message's line breaks become blanks.
    QString line = text();
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return fontMetrics().elidedText(line, Qt::ElideRight, contentsRect().width());
}

bool StatusLine::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (shownText() != text()) {
            QToolTip::showText(help->globalPos(), text(), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    if (event->type() == QEvent::FontChange) updateGeometry();
    return QLabel::event(event);
}

void StatusLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          shownText(), foregroundRole());
}
