#pragma once

#include <QString>

// Where a file dialog opens: the user's documents folder where there is
// one, else the home folder. A folder that does not exist would make Qt's
// dialog open elsewhere with its name pre-filled as a file name.
QString documents_folder();
