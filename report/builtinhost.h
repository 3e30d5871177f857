#pragma once

#include "report/spreadsheethost.h"
#include "report/workbook.h"

namespace torvane::report {

// The program's own spreadsheet application: workbooks live in memory and are
// written on SaveAs in the format the path's extension names (".xls" a BIFF8
// workbook, ".xlsx" Office Open XML). Open shows a file in the desktop's
// spreadsheet program.
std::unique_ptr<SpreadsheetApplication> makeBuiltinApplication();

// A workbook of the built-in application, with its contents open to reading.
class BuiltinWorkbook : public HostWorkbook
{
public:
    BuiltinWorkbook();
    HostWorksheet &WorkSheets(int index) override;
    HostWorksheet &addWorkSheet() override;
    void SaveAs(const QString &path) override;

    const Workbook &model() const { return m_model; }
    // For what the host's calls have no word for (frozen rows).
    Workbook &model() { return m_model; }

private:
    class Sheet;
    Workbook m_model;
    std::vector<std::unique_ptr<HostWorksheet>> m_sheets;
};

// What a typed text becomes in a cell: a number when it reads as one the way
// the screen shows amounts (whole, or decimal with the given separator),
// keeping the digits shown; text otherwise.
Cell cellFromText(const QString &text, QChar decimalPoint);

// A range address such as "b5:f9" or "E12:E12"; throws HostError when it is not one.
CellRange parseRangeAddress(const QString &address);

// Heights that let wrapped texts show all their lines in viewers that take
// row heights from the file.
void fitRowHeights(Sheet &sheet);

// Widths that hold the longest line of each column's texts and numbers (bold
// ones a little wider), in characters, between a least and a greatest
// width; texts longer than the greatest wrap. Cells of merged ranges leave
// their columns as they are.
void fitColumnWidths(Sheet &sheet, double least, double greatest);

} // namespace torvane::report
