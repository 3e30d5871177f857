#pragma once

#include "base/language.h"

#include <QObject>
#include <QString>

namespace torvane::ui::budget {

class BudgetDocument;

// The whole budget for a manager: one workbook (.xlsx or .xls), a PDF, or
// the printer through a preview, in the language of the program's messages.
// A budget that cannot be priced is refused, and nothing is written.
class BudgetOutputs : public QObject
{
    Q_OBJECT
public:
    explicit BudgetOutputs(BudgetDocument &document, QObject *parent = nullptr);

    bool exportBudget();                // asks for a workbook's name
    bool exportTo(const QString &path); // by the name's ending: .xlsx, .xls or .pdf; else .xlsx is added
    bool pdfBudget();                   // asks for a PDF's name
    void printBudget();

private:
    base::Language language() const;
    // From the title and the date: "Astana pavilion 2026-12-10.xlsx".
    QString outputName(const QString &suffix) const;

    BudgetDocument &m_document;
};

} // namespace torvane::ui::budget
