#pragma once

#include "model/reportplan.h"

#include <QString>

namespace torvane::report {

class HostWorksheet;

// What became of a section report; the caller tells the user.
struct ExportOutcome {
    enum class Status {
        Saved,           // written to path (and shown, unless openProblem says why not)
        NothingToExport, // every subtotal is "0": no file written
        Failed,          // not written: path and reason say why; an earlier file is untouched
    };
    Status status = Status::Failed;
    QString path;
    bool inDocuments = false; // the program's folder cannot be written to
    bool opened = false;
    QString reason;           // Failed: the reason; Saved but not opened: why it could not be opened
    QString unmadeFolder;     // Failed because this folder could not be made (reason says why)
    bool viewerMissing = false; // Saved but not opened: no program on the desktop shows spreadsheets
};

// Writes a section's priced rows as a formatted workbook beside the program
// (or in the documents folder), named after the section's caption, and opens
// it for the user.
ExportOutcome exportSection(const model::ReportPlan &plan, const model::ReportSource &source);

// The tab blocks of a section and its total, from firstRow down, as its
// report lays them out; returns the row of the total.
int writeSectionBlocks(HostWorksheet &sheet, const model::ReportPlan &plan, const model::ReportSource &source,
                       int firstRow);

} // namespace torvane::report
