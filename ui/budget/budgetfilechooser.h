#pragma once

#include <QString>

#include <functional>

namespace torvane::ui::budget {

// The file dialogs of the budget and of what leaves it for a manager, in the
// language of the program's messages; each kind of file remembers the folder
// it was last chosen in.
class BudgetFileChooser
{
public:
    enum class Kind { Budget, Workbook, Pdf, Csv };
    // Tests choose files instead of a dialog: (kind, save?, folder, suggested path) -> path or empty.
    using Hook = std::function<QString(Kind kind, bool save, const QString &folder, const QString &suggested)>;

    BudgetFileChooser() = delete;

    // A file to write (suggestedName offered in the last folder) or to read;
    // empty when the user cancels.
    static QString choose(Kind kind, bool save, const QString &suggestedName);
    static void setForTesting(Hook hook);
};

} // namespace torvane::ui::budget
