#include "ui/budget/noteedit.h"

#include "model/followup.h"
#include "ui/budget/budgettexts.h"
#include "ui/common/errorreporter.h"

#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;

NoteEdit::NoteEdit(base::Language language, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_language(language)
{
    setObjectName(u"NoteEditor"_s);
    setTabChangesFocus(true);
    setPlaceholderText(budgettexts::kNoteHint.in(language));
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        if (!m_cutting && added > 0)
            keepWithinLimit(position, added);
    });
}

void NoteEdit::keepWithinLimit(int position, int added)
{
    // The document counts a closing paragraph mark of its own.
    const int length = document()->characterCount() - 1;
    const int excess = length - model::kMaxNoteLength;
    if (excess <= 0)
        return;
    // The end of what was just added goes, so the note as it was stays whole.
    const int cut = std::min(excess, added);
    m_cutting = true;
    QTextCursor cursor(document());
    cursor.setPosition(position + added - cut);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_cutting = false;
    common::ErrorReporter::instance().report(budgettexts::noteTooLong(cut, m_language));
}

void NoteEdit::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & Qt::ControlModifier)) {
        event->accept();
        emit done();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

} // namespace torvane::ui::budget
