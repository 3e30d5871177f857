#pragma once

#include <QByteArray>
#include <QString>

namespace torvane::base {

// What became of a file the program meant to write.
struct WriteResult {
    bool ok = false;
    QString path;   // the file that was (or was not) written
    QString reason; // the system's reason when it failed

    explicit operator bool() const { return ok; }
};

// Writes a whole file or nothing: the bytes go to a temporary file beside the
// target, every write and the final flush to disk are checked, and only then
// does the temporary file replace the target. On any failure the earlier file
// is left as it was and the temporary file is removed.
WriteResult writeFileAtomically(const QString &path, const QByteArray &bytes);

// Makes a folder and the folders above it that are missing. Fails with the
// first folder that could not be made (path) and the system's reason.
WriteResult makeFolder(const QString &path);

} // namespace torvane::base
