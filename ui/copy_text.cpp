// Ctrl+C copies what the visible view shows, from whichever control has the
// focus: the report, the date difference's sentence or the about texts. A
// text field with a selection copies its selection as usual.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "ui/InfoPanel.h"
#include "ui/frmKalender.h"

QString frmKalender::visibleText() const {
    switch (report_) {
    case DateDifference: return lblDatumsDifferenz->text();
    case About: {
        QStringList lines;
        for (const QLabel* label : {Label6, Label5}) {
            if (!label->text().isEmpty()) lines << label->text();
        }
        return lines.join('\n');
    }
    default: return picInfo->text();
    }
}

void frmKalender::copyVisibleText() const {
    const QString text = visibleText();
    // Nothing shown yet (no difference computed): the clipboard keeps what it had.
    if (text.trimmed().isEmpty()) return;
    QApplication::clipboard()->setText(text);
}

bool frmKalender::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picRechts && event->type() == QEvent::Resize) fitReportChoice();
    if (navigationFilter(watched, event)) return true;
    if (event->type() != QEvent::KeyPress || !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* field = qobject_cast<const QLineEdit*>(watched);
    const auto* label = qobject_cast<const QLabel*>(watched);
    if ((field && field->hasSelectedText()) || (label && label->hasSelectedText())) return false;
    copyVisibleText();
    event->accept();
    return true;
}
