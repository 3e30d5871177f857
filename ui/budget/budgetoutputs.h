#pragma once

#include "base/language.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace torvane::ui::budget {

class BudgetDocument;

// The whole budget for a manager: one workbook (.xlsx or .xls), a PDF, or
// the printer through a preview, the follow-up table as CSV, in the language of the program's messages.
// A budget that cannot be priced is refused, and nothing is written.
class BudgetOutputs : public QObject
{
    Q_OBJECT
public:
    explicit BudgetOutputs(BudgetDocument &document, QObject *parent = nullptr);

    // Each ends with the notice of the file written, on the screen that asked
    // (the active one), with Open and Show in folder; nothing opens by itself.
    bool exportBudget();                // asks for a workbook's name
    bool exportTo(const QString &path); // by the name's ending: .xlsx, .xls or .pdf; else .xlsx is added
    bool pdfBudget();                   // asks for a PDF's name
    bool followUpCsv();                 // asks for a CSV's name: the follow-up table for other tools
    void printBudget();

private:
    base::Language language() const;
    // From the title and the date: "Astana pavilion 2026-12-10.xlsx".
    QString outputName(const QString &suffix, const QString &what = {}) const;
    bool write(const QString &path);

    BudgetDocument &m_document;
    QPointer<QWidget> m_screen; // where the output was asked for
};

} // namespace torvane::ui::budget
