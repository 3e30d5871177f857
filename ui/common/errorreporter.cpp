#include "ui/common/errorreporter.h"

#include "ui/common/filenotice.h"
#include "ui/common/messages.h"

#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QMessageBox>
#include <QWidget>

#include <cstdio>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

ErrorReporter &ErrorReporter::instance()
{
    static ErrorReporter reporter;
    return reporter;
}

void ErrorReporter::report(const QString &message, Severity severity)
{
    std::fprintf(stderr, "torvane: %s\n", qUtf8Printable(message));
    if (m_recording) {
        m_recorded << (severity == Severity::Notice ? u"notice: "_s + message : message);
        return;
    }
    if (message == m_shown && isShowing())
        return;
    for (const Pending &pending : std::as_const(m_queue))
        if (pending.message == message)
            return;
    m_queue.append({message, severity});
    if (!isShowing())
        showNext();
}

ErrorReporter::ErrorReporter()
{
    // Where a notice goes when the window that asked for it is no longer
    // active (a dialog closed, and the desktop has not given the focus back yet).
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        connect(app, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now && !qobject_cast<QDialog *>(now->window()))
                m_lastScreen = now->window();
        });
    }
}

QWidget *ErrorReporter::lastScreen() const
{
    return m_lastScreen;
}

void ErrorReporter::tellWritten(const WrittenFile &file, QWidget *screen)
{
    const QString text = messages::writtenFile(file, m_language);
    std::fprintf(stderr, "torvane: %s\n", qUtf8Printable(text));
    if (m_recording)
        m_recorded << (file.failed() ? text : u"notice: "_s + text);
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    if (FileNotice *notice = FileNotice::of(screen))
        notice->tell(file, m_language);
}

ErrorReporter::Answer ErrorReporter::ask(const QString &question, const QList<Answer> &answers, Answer preferred)
{
    std::fprintf(stderr, "torvane: %s\n", qUtf8Printable(question));
    if (m_recording) {
        m_recorded << u"question: "_s + question;
        return m_answers.isEmpty() ? Answer::Cancel : m_answers.takeFirst();
    }
    static const QHash<Answer, QMessageBox::StandardButton> buttons{
        {Answer::Save, QMessageBox::Save}, {Answer::Discard, QMessageBox::Discard}, {Answer::Cancel, QMessageBox::Cancel},
        {Answer::Yes, QMessageBox::Yes},   {Answer::No, QMessageBox::No},
    };
    QMessageBox box(QMessageBox::Question, u"Torvane"_s, question, QMessageBox::NoButton, QApplication::activeWindow());
    for (Answer answer : answers)
        box.addButton(buttons.value(answer));
    box.setDefaultButton(buttons.value(preferred));
    box.setEscapeButton(buttons.value(answers.contains(Answer::Cancel) ? Answer::Cancel : Answer::No));
    // A question has to be answered before the handler can go on.
    const auto chosen = QMessageBox::StandardButton(box.exec());
    return buttons.key(chosen, Answer::Cancel);
}

void ErrorReporter::reportMissingFile(const QString &path, const QString &reason)
{
    if (m_missingReported.contains(path))
        return;
    m_missingReported.insert(path);
    m_missingPaths << path;
    m_missingReasons << reason;
    if (m_batchDepth == 0)
        flushMissingFiles();
}

void ErrorReporter::flushMissingFiles()
{
    if (m_missingPaths.isEmpty())
        return;
    const QString message = messages::missingPictures(m_missingPaths, m_missingReasons, m_language);
    m_missingPaths.clear();
    m_missingReasons.clear();
    report(message);
}

ErrorReporter::Batch::Batch()
{
    ++instance().m_batchDepth;
}

ErrorReporter::Batch::~Batch()
{
    ErrorReporter &reporter = instance();
    if (--reporter.m_batchDepth == 0)
        reporter.flushMissingFiles();
}

void ErrorReporter::setRecording(bool on)
{
    m_recording = on;
    m_missingReported.clear();
}

bool ErrorReporter::isShowing() const
{
    return m_box && m_box->isVisible();
}

void ErrorReporter::closeAll()
{
    m_queue.clear();
    if (m_box)
        m_box->close();
}

void ErrorReporter::showNext()
{
    if (m_queue.isEmpty() || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    const Pending next = m_queue.takeFirst();
    const bool error = next.severity == Severity::Error;
    auto *box = new QMessageBox(error ? QMessageBox::Warning : QMessageBox::Information, u"Torvane"_s,
                                next.message, QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(box, &QMessageBox::finished, this, [this] {
        m_shown.clear();
        showNext();
    });
    m_box = box;
    m_shown = next.message;
    box->show(); // never exec(): a nested loop would run timers inside a handler
}

} // namespace torvane::ui::common
