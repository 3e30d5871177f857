#pragma once

#include "base/language.h"
#include "ui/common/writtenfile.h"

#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <exception>

class QMessageBox;
class QWidget;

namespace torvane::ui::common {

// The one place where failures and notices reach the user. Messages are shown
// one at a time in a box that never runs a nested event loop (so timers and
// passes are not re-entered); while one is open, further distinct messages
// wait their turn and repeats are dropped. In tests the reporter records
// instead of showing.
class ErrorReporter : public QObject
{
    Q_OBJECT
public:
    enum class Severity { Error, Notice };

    static ErrorReporter &instance();

    void report(const QString &message, Severity severity = Severity::Error);
    // After every file the program writes, the same notice: at the foot of
    // the screen that wrote it (the active screen when none is given), in the
    // messages' language, never blocking. Recorded as a notice ("notice:
    // ...") or, when opening the file failed, as an error; the notice is
    // shown while recording too, so its buttons can be pressed.
    void tellWritten(const WrittenFile &file, QWidget *screen = nullptr);
    // The screen (a window that is no dialog) that held the focus last.
    QWidget *lastScreen() const;

    // A file the program could not read (a picture): reported at most once
    // per file for the whole run. While a batch is open (one start-up, one
    // show of a screen) such files are gathered into one message.
    void reportMissingFile(const QString &path, const QString &reason);
    class Batch
    {
    public:
        Batch();
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;
    };

    // A question the user must answer before the program goes on (save
    // before closing?). In tests the question is recorded as "question: ..."
    // and answered from a queue set beforehand (Cancel when it is empty).
    enum class Answer { Save, Discard, Cancel, Yes, No };
    Answer ask(const QString &question, const QList<Answer> &answers, Answer preferred);
    void setAnswersForTesting(const QList<Answer> &answers) { m_answers = answers; }

    // The language of the program's own messages.
    void setLanguage(base::Language language) { m_language = language; }
    base::Language language() const { return m_language; }

    void setRecording(bool on);
    bool isRecording() const { return m_recording; }
    // Recorded messages, errors as they are, notices prefixed with "notice: ".
    QStringList recorded() const { return m_recorded; }
    void clearRecorded() { m_recorded.clear(); }

    bool isShowing() const;
    void closeAll(); // used at shutdown and by tests

private:
    struct Pending {
        QString message;
        Severity severity;
    };
    ErrorReporter();
    void showNext();

    QPointer<QMessageBox> m_box;
    QPointer<QWidget> m_lastScreen;
    QString m_shown;
    QList<Pending> m_queue;
    void flushMissingFiles();

    QList<Answer> m_answers;
    QSet<QString> m_missingReported;
    QStringList m_missingPaths;
    QStringList m_missingReasons;
    int m_batchDepth = 0;
    base::Language m_language = base::Language::English;
    QStringList m_recorded;
    bool m_recording = false;
};

// Runs a handler so that nothing it throws escapes into the event loop: the
// failure is reported and the handler stops there. Returns false on failure.
template<typename Handler>
bool guarded(Handler &&handler) noexcept
{
    try {
        handler();
        return true;
    } catch (const std::exception &e) {
        ErrorReporter::instance().report(QString::fromUtf8(e.what()));
    } catch (...) {
        ErrorReporter::instance().report(QStringLiteral("An unexpected internal error stopped this action."));
    }
    return false;
}

} // namespace torvane::ui::common
