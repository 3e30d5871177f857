#pragma once

#include "base/language.h"
#include "ui/common/writtenfile.h"

#include <QFrame>
#include <QPointer>
#include <QTimer>

class QGridLayout;
class QLabel;
class QPushButton;

namespace torvane::ui::common {

// The short message at the top of a window after a file was written: which
// file, in which folder, and whether it could be opened, with "Open" and
// "Show in folder". It is a child of the window, never a window of its own:
// it takes no focus, blocks nothing and runs no event loop. A notice that
// says all went well leaves by itself; one that tells of a failure stays
// until it is closed or replaced. Reached through ErrorReporter::tellWritten.
class FileNotice : public QFrame
{
    Q_OBJECT
public:
    static constexpr int kShownMs = 15000;
    // A window property: where the window's own left panel ends, for the
    // notice to stand right of it.
    static constexpr char kLeftProperty[] = "fileNoticeLeft";

    // The window's notice, made on first use: one per window, the newest
    // telling replaces what it said.
    static FileNotice *of(QWidget *window);
    void tell(const WrittenFile &file, base::Language language);

    WrittenFile file() const { return m_file; }
    QString text() const;
    QPushButton *openButton() const { return m_open; }
    QPushButton *folderButton() const { return m_folder; }
    QPushButton *closeButton() const { return m_close; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    explicit FileNotice(QWidget *window);
    void place();
    void arrange(bool wide);
    void open();
    void showFolder();

    WrittenFile m_file;
    base::Language m_language = base::Language::English;
    QLabel *m_text;
    QPushButton *m_open;
    QPushButton *m_folder;
    QPushButton *m_close;
    QWidget *m_buttons;
    QGridLayout *m_grid;
    QTimer m_leave;
};

} // namespace torvane::ui::common
