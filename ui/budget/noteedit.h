#pragma once

#include "base/language.h"

#include <QPlainTextEdit>

namespace torvane::ui::budget {

// A line's note, over several lines: Enter starts a new line, Ctrl+Enter
// (or leaving the field) keeps the note. It holds 10 000 characters at
// most; what a paste brings beyond that is left out, and the user is told.
class NoteEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    NoteEdit(base::Language language, QWidget *parent = nullptr);

signals:
    // Ctrl+Enter: the user is done with the note.
    void done();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepWithinLimit(int position, int added);

    base::Language m_language;
    bool m_cutting = false;
};

} // namespace torvane::ui::budget
