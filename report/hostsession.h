#pragma once

#include "report/spreadsheethost.h"

#include <QString>

#include <memory>

namespace torvane::report {

// The spreadsheet application of one export or one reference-workbook click,
// made for it and gone with it: nothing is held from one click to the next.
// It is always a new application, never one that is already running, so the
// user's own workbooks are never written into.
class HostSession
{
public:
    // A new empty workbook in an application of the session's own; its first sheet.
    HostWorksheet &addWorkbook();
    // Writes that workbook to path, replacing a file of that name without a
    // question, and ends its application.
    void saveWorkbook(const QString &path);
    // Shows a saved file in a new application that is left to the user.
    void show(const QString &path);

private:
    std::unique_ptr<SpreadsheetApplication> m_application;
};

} // namespace torvane::report
