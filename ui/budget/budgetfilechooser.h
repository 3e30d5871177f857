#pragma once

#include <QString>

#include <functional>

namespace torvane::ui::budget {

// The file dialogs of the budget and of what leaves it for a manager, in the
// language of the program's messages; each kind of file starts in the folder
// it was last chosen in (else the user's documents).
class BudgetFileChooser
{
public:
    enum class Kind { Budget, Workbook, Pdf, Csv };
    // Tests choose files instead of a dialog: (kind, save?, folder, suggested path) -> path or empty.
    using Hook = std::function<QString(Kind kind, bool save, const QString &folder, const QString &suggested)>;

    BudgetFileChooser() = delete;

    // A file to write (suggestedName offered in the kind's folder) or to
    // read; empty when the user cancels.
    static QString choose(Kind kind, bool save, const QString &suggestedName);
    static void setForTesting(Hook hook);

    // Where a kind of file is first looked for: the folder it was chosen in
    // last, while it exists, else the user's documents folder.
    static QString startFolder(Kind kind);

    // A file name made from a budget's title, that every file system takes:
    // no separators or characters Windows refuses, no control characters,
    // no leading dot that would hide it, no trailing dot or blank, not a
    // device name, and short enough for the ending and a date. Empty when
    // nothing is left of the title.
    static QString fileNameFrom(const QString &title);
};

} // namespace torvane::ui::budget
