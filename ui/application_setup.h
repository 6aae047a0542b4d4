#pragma once

class QApplication;

// What every start of the window does before building it: the names that
// settings and the desktop shell see, and Qt's own dialogs in German.
void prepare_application(QApplication& app);
