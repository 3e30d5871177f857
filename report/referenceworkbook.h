#pragma once

#include <QString>

namespace torvane::report {

// What became of opening the reference workbook.
struct ReferenceOutcome {
    enum class Status { Opened, Missing, NotOpened };
    Status status = Status::NotOpened;
    QString path;
    bool viewerMissing = false;
};

// Opens the reference workbook shipped beside the program in the desktop's
// spreadsheet application; a missing workbook starts nothing.
ReferenceOutcome openReferenceWorkbook();

} // namespace torvane::report
