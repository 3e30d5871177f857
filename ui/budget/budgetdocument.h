#pragma once

#include "base/language.h"
#include "model/budget.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>

class QLockFile;
class QWidget;

namespace torvane::ui::budget {

// The one open budget as a file: new, open, save and save as, the file it
// lives in and the lock held on it, the recent files, and the question
// before unsaved changes are lost. Messages, dialogs and the written file
// speak the language of the program's messages (the error reporter's).
class BudgetDocument : public QObject
{
    Q_OBJECT
public:

    explicit BudgetDocument(model::Budget &budget, QObject *parent = nullptr);
    ~BudgetDocument() override;

    model::Budget &budget() const { return m_budget; }
    QString filePath() const { return m_path; }
    // The file's name, or "Untitled budget" in a language.
    QString displayName(base::Language language) const;
    // The budget as questions and notices name it: its title, else its
    // file's name, else "Untitled budget".
    QString budgetName(base::Language language) const;

    bool newBudget();
    bool open();                        // asks for a file
    bool openFile(const QString &path); // false: nothing changed, the user was told why
    bool save();
    bool saveAs();
    bool saveTo(const QString &path);

    // Before unsaved changes would be lost: Save, Discard or Cancel. True
    // when the caller may go on; discarded says whether changes were dropped.
    bool confirmDiscard(bool *discarded = nullptr);

    QStringList recentFiles() const;

    // Takes a budget kept elsewhere (a recovery copy) as unsaved changes of
    // the file path, so that Save writes there; untitled when path is empty.
    // False, and nothing changed, when another running copy holds path: said
    // in refusal when one is given, else reported.
    bool adopt(const model::Budget::Content &content, const QString &path, QString *refusal = nullptr);

    // Lets go of the file's lock, which a process ending without destructors
    // would otherwise leave behind.
    void releaseLock();

signals:
    void documentChanged(); // file name or modified mark changed
    void saved();           // the budget is in its file as it stands

private:
    base::Language language() const;
    // Offered by Save as: the file's own name, else one made from the title.
    QString suggestedName() const;
    // Takes the lock of a budget file; false when another running copy holds
    // it, which is reported, or said in refusal when one is given.
    bool lock(const QString &path, std::unique_ptr<QLockFile> &held, QString *refusal = nullptr);
    void setPath(const QString &path);
    // The screen the user is acting on, kept for the notice of a save that
    // follows a dialog or a question.
    void rememberScreen();
    void rememberRecent(const QString &path);

    model::Budget &m_budget;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    QPointer<QWidget> m_screen; // where the last Save was asked for: its notice goes there
};

} // namespace torvane::ui::budget
