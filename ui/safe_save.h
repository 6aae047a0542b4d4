// Writing a file the user named, in one step and only where the user meant,
// through the one writer (base/safe_file.h): the window's names and German
// advice on top. QSaveFile is no help here: it resolves a symbolic link at
// the name and writes to its target, its commit renames over whatever
// appeared in the meantime, and a write that fails in its last flush still
// renames the empty file over the old one.
#pragma once

#include <QByteArray>
#include <QString>

#include "base/safe_file.h"

namespace vespera::ui {

using SaveMode = vespera::WriteMode;
using SaveProblem = vespera::WriteProblem;
using SaveResult = vespera::WriteResult;

SaveResult save_file(const QString& path, const QByteArray& content, SaveMode mode,
                     const vespera::WriteSeams& seams = {});

// What went wrong and what to do, in German, naming the path.
QString save_problem_text(const SaveResult& result, const QString& path);

// Why alone, to follow a colon ("kein Platz auf dem Datenträger").
QString save_reason(const SaveResult& result);

} // namespace vespera::ui
