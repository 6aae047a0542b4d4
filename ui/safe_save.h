// Writing a file the user named, in one step and only where the user meant:
// the content goes to a temporary file beside it and then takes the name.
// A new file takes it by a hard link, which fails when anything (a dangling
// symbolic link as well) has the name by then; a replaced file must be a
// regular file and is replaced by a rename, which swaps the name and never
// writes through a link. QSaveFile is no help here: it resolves a symbolic
// link at the name and writes to its target, and its commit renames over
// whatever appeared in the meantime.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace vespera::ui {

enum class SaveMode {
    NewOnly, // the name must still be free when the file takes it
    Replace, // an existing regular file is replaced (the user agreed)
};

enum class SaveProblem {
    None,
    Exists,        // NewOnly: the name was taken by the time of writing
    SymbolicLink,  // the name is a symbolic link
    NotRegular,    // a folder, a device, a FIFO …
    NoFolder,      // the folder is not there
    NoPermission,  // the folder may not be written (or is read-only)
    DiskFull,      // no space, quota or file-size limit
    Other,
};

struct SaveResult {
    SaveProblem problem = SaveProblem::None;
    int error = 0; // errno where there is one
    bool ok() const { return problem == SaveProblem::None; }
};

// `before_commit` runs after the temporary file is complete and before it
// takes the name; tests plant a file there. Nothing is left behind on failure.
SaveResult save_file(const QString& path, const QByteArray& content, SaveMode mode,
                     const std::function<void()>& before_commit = {});

// What went wrong and what to do, in German, naming the path.
QString save_problem_text(const SaveResult& result, const QString& path);

} // namespace vespera::ui
