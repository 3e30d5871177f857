#pragma once

#include "report/spreadsheethost.h"

#include <QString>

#include <memory>

namespace torvane::report {

// The spreadsheet objects the program holds from the last export or
// reference-workbook click until the next one, released when it ends.
struct HostSession {
    QString AppProgID;
    std::unique_ptr<SpreadsheetApplication> App;
    bool ServerIsRunning = false;
    QString ExelOtch;
    std::unique_ptr<SpreadsheetApplication> reportApp; // owns Ke and Abc once App shows the saved file
    HostWorkbook *Ke = nullptr;
    HostWorksheet *Abc = nullptr;

    static HostSession &instance();
    void release();
};

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
