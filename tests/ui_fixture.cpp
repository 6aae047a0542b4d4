#include <QPushButton>
#include <QTest>

#include "ui/InfoPanel.h"
#include "window_fixture.h"

QStringList WindowForTest::reportLines() const {
    return find<InfoPanel>("picInfo")->text().split('\n', Qt::SkipEmptyParts);
}

QString WindowForTest::valueOf(const QString& label) const {
    for (const InfoPanel::Row& row : find<InfoPanel>("picInfo")->rows()) {
        if (!row.heading && row.label == label) return row.value;
    }
    return QStringLiteral("<no row>");
}

void WindowForTest::click(const char* name) const {
    QPushButton* button = find<QPushButton>(name);
    if (button) button->click();
}
