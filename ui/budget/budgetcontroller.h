#pragma once

#include "base/localizedtext.h"
#include "model/budget.h"
#include "model/budgetfile.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QLockFile;
class QWidget;

namespace torvane::ui::shell {
class TForm_login;
}

namespace torvane::ui::budget {

// The one open budget as a document: new, open, save and save as, the file
// it lives in and the lock held on it, the recent files, the question before
// unsaved changes are lost, and the recovery copy written while it is
// modified.
class BudgetController : public QObject
{
    Q_OBJECT
public:
    BudgetController(model::Budget &budget, ui::shell::TForm_login *login);
    ~BudgetController() override;

    model::Budget &budget() const { return m_budget; }
    QString filePath() const { return m_path; }
    // The file's name, or "Untitled budget" in a language.
    QString displayName(base::Language language) const;

    // Gives a screen the budget actions and their shortcuts (object names
    // actionNewBudget, actionOpenBudget, actionSaveBudget, actionSaveBudgetAs).
    void installActions(QWidget *screen);
    // Action texts and names follow the chosen language.
    void retranslate();

    bool newBudget();
    bool open();                        // asks for a file
    bool openFile(const QString &path); // false: nothing changed, the user was told why
    bool save();
    bool saveAs();
    bool saveTo(const QString &path);

    // The whole budget for a manager: one workbook (.xlsx or .xls), a PDF,
    // or the printer through a preview.
    bool exportBudget();
    bool exportTo(const QString &path); // by the name's ending: .xlsx, .xls or .pdf
    bool pdfBudget();
    void printBudget();

    // Before unsaved changes would be lost: Save, Discard or Cancel. True
    // when the caller may go on; discarded says whether changes were dropped.
    bool confirmDiscard(bool *discarded = nullptr);
    // The program ends: a clean end removes the recovery copy.
    void programEnds(bool discardedUnsaved);
    // Stops the recovery writes and lets go of the budget's and the recovery
    // slot's lock files, which a process ending without destructors would
    // otherwise leave behind.
    void releaseLocks();

    QStringList recentFiles() const;

    // Recovery of a budget that was never saved before the program ended.
    bool hasRecovery() const;
    QDateTime recoveryTime() const;
    bool restoreRecovery();
    void discardRecovery();
    void writeRecovery(); // also done by the timer every 30 s while modified
    QString recoveryPath() const { return m_recoveryPath; }

    // Tests choose files instead of a dialog: (save?, folder, suggested name) -> path or empty.
    enum class FileKind { Budget, Workbook, Pdf };
    using FileChooser = std::function<QString(FileKind kind, bool save, const QString &folder, const QString &suggested)>;
    static void setFileChooserForTesting(FileChooser chooser);

signals:
    void documentChanged(); // file name or modified mark changed
    void recoveryChanged();

private:
    // Messages, dialogs and written files speak the user's language (the
    // error reporter's); action texts that of the screens.
    base::Language language() const;
    base::Language screenLanguage() const;
    QString chooseFile(FileKind kind, bool save, const QString &suggested = {});
    QString outputName(const QString &suffix) const;
    // Takes the lock of a budget file; false when another running copy holds
    // it, which is reported, or said in refusal when one is given.
    bool lock(const QString &path, std::unique_ptr<QLockFile> &lock, QString *refusal = nullptr);
    void setAsideDamagedRecovery(const model::budgetfile::ReadResult &read);
    void setPath(const QString &path);
    void rememberRecent(const QString &path);
    void takeRecoverySlot();

    class ShortcutKeeper;
    model::Budget &m_budget;
    ui::shell::TForm_login *m_login;
    ShortcutKeeper *m_shortcuts = nullptr;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLockFile> m_recoveryLock;
    QString m_recoveryPath; // this copy's own
    QString m_offeredPath;  // what an ended copy left behind
    QTimer m_recoveryTimer;
    QList<std::pair<QPointer<QAction>, const base::LocalizedText *>> m_actions;
};

} // namespace torvane::ui::budget
