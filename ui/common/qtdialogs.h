#pragma once

#include "base/language.h"

#include <QObject>

class QFileDialog;

namespace torvane::ui::common {

// Qt's own file dialogs in the program's language, wherever they come from
// (the program's choosers, the print dialog's "Print to file"): Qt writes
// their dates and sizes in the system's locale whatever its translation says,
// and sizes their columns for the English headers. Each file dialog that
// shows is given the language's locale for its dates and sizes, columns wide
// enough for their headers and contents, a list of places wide enough for
// its names, and a size that fits the screen.
class QtDialogs : public QObject
{
public:
    explicit QtDialogs(QObject *parent = nullptr);
    ~QtDialogs() override;

    void setLanguage(base::Language language) { m_language = language; }
    static void localise(QFileDialog *dialog, base::Language language);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    base::Language m_language = base::Language::English;
};

} // namespace torvane::ui::common
