#pragma once

#include <QString>

namespace torvane::report {

// Where reports are written: beside the program when that folder is
// writable, otherwise in the user's documents folder, made when missing.
struct ReportFolder {
    QString path;             // with its trailing separator
    bool inDocuments = false; // the program's folder cannot be written to
    QString unmade;           // the folder that could not be made, if any
    QString reason;           // why, in the system's words
};
ReportFolder reportFolder();
void setReportFolderForTesting(const QString &folder); // empty restores the default

} // namespace torvane::report
