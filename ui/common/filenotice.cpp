#include "ui/common/filenotice.h"

#include "report/spreadsheethost.h"
#include "ui/common/errorreporter.h"
#include "ui/common/messages.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

namespace {

const QString kName = u"FileNotice"_s;
constexpr int kMargin = 16;
constexpr int kTop = 8;
constexpr int kWidest = 720;
constexpr int kWideEnough = 560; // room for the buttons beside the text

// The window a dialog or message box stands over.
QWidget *beneathDialogs(QWidget *window)
{
    while (window && qobject_cast<QDialog *>(window))
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return window;
}

// The screen a notice goes to: the one given, else the active window, else
// the screen that held the focus last; a dialog stands for the screen
// beneath it.
QWidget *screenFor(QWidget *hint)
{
    for (QWidget *candidate : {hint ? hint->window() : nullptr, QApplication::activeWindow(), ErrorReporter::instance().lastScreen()})
        if (QWidget *window = beneathDialogs(candidate); window && window->isVisible())
            return window;
    return nullptr;
}

// Paths break after their separators, so a deep folder wraps instead of
// running off the notice.
QString breakable(const QString &text)
{
    QString out = text.toHtmlEscaped();
    out.replace(u'/', u"/\u200b"_s);
    out.replace(u'\\', u"\\\u200b"_s);
    return out;
}

} // namespace

FileNotice *FileNotice::of(QWidget *hint)
{
    QWidget *window = screenFor(hint);
    if (!window)
        return nullptr;
    if (auto *notice = window->findChild<FileNotice *>(kName, Qt::FindDirectChildrenOnly))
        return notice;
    return new FileNotice(window);
}

FileNotice::FileNotice(QWidget *window)
    : QFrame(window)
{
    setObjectName(kName);
    setAttribute(Qt::WA_StyledBackground);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(u"#FileNotice { background: #10324f; border: 1px solid #0b2545; border-radius: 8px; }"
                  "#FileNotice[failed=\"true\"] { background: #fff4d6; border: 2px solid #b3261e; }"
                  "#FileNotice QLabel { color: white; }"
                  "#FileNotice[failed=\"true\"] QLabel { color: #3a1a00; }"
                  "#FileNotice QPushButton { background: white; color: #0b2545; border: 1px solid #9fb3c8;"
                  " border-radius: 4px; padding: 3px 10px; }"
                  "#FileNotice QPushButton:hover { background: #e6eef6; }"
                  "#FileNotice QPushButton:focus { border: 2px solid #ff9f1c; }"
                  "#FileNotice QPushButton#FileNoticeClose { background: transparent; border: none; color: white;"
                  " font-weight: bold; padding: 0 6px; }"
                  "#FileNotice[failed=\"true\"] QPushButton#FileNoticeClose { color: #3a1a00; }"_s);

    m_text = new QLabel(this);
    m_text->setObjectName(u"FileNoticeText"_s);
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = m_text->font();
    font.setPointSizeF(std::max(font.pointSizeF(), 8.0) + 2);
    m_text->setFont(font);

    m_open = new QPushButton(this);
    m_open->setObjectName(u"FileNoticeOpen"_s);
    m_folder = new QPushButton(this);
    m_folder->setObjectName(u"FileNoticeFolder"_s);
    m_close = new QPushButton(u"×"_s, this);
    m_close->setObjectName(u"FileNoticeClose"_s);
    for (QPushButton *button : {m_open, m_folder, m_close}) {
        button->setFocusPolicy(Qt::TabFocus); // reachable, but a notice never takes the focus
        button->setCursor(Qt::PointingHandCursor);
    }

    m_buttons = new QWidget(this);
    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(m_open);
    buttons->addWidget(m_folder);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(12, 6, 6, 6);
    m_grid->setHorizontalSpacing(10);
    m_grid->setVerticalSpacing(4);
    m_grid->addWidget(m_text, 0, 0);
    m_grid->addWidget(m_close, 0, 2, Qt::AlignTop);
    m_grid->setColumnStretch(0, 1);
    arrange(true);

    connect(m_open, &QPushButton::clicked, this, [this] { guarded([this] { open(); }); });
    connect(m_folder, &QPushButton::clicked, this, [this] { guarded([this] { showFolder(); }); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    m_leave.setSingleShot(true);
    connect(&m_leave, &QTimer::timeout, this, &QWidget::hide);

    window->installEventFilter(this);
    hide();
}

void FileNotice::tell(const WrittenFile &file, base::Language language)
{
    m_file = file;
    m_language = language;
    const QString text = messages::writtenFile(file, language);
    m_text->setText(breakable(text));
    m_text->setToolTip(QDir::toNativeSeparators(file.path));
    setAccessibleName(text);
    m_open->setText(messages::openWord(language));
    m_open->setVisible(file.offerOpen);
    m_folder->setText(messages::showInFolderWord(language));
    m_close->setToolTip(messages::closeWord(language));
    m_close->setAccessibleName(messages::closeWord(language));
    setProperty("failed", file.failed());
    setStyleSheet(styleSheet()); // the look follows the property
    place();
    show();
    raise();
    // A notice of a failure stays until it is closed; good news leaves by itself.
    if (file.failed())
        m_leave.stop();
    else
        m_leave.start(kShownMs);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

QString FileNotice::text() const
{
    return messages::writtenFile(m_file, m_language);
}

void FileNotice::arrange(bool wide)
{
    // Beside the text where the notice is wide, below it where it is narrow.
    m_grid->removeWidget(m_buttons);
    if (wide)
        m_grid->addWidget(m_buttons, 0, 1, Qt::AlignVCenter);
    else
        m_grid->addWidget(m_buttons, 1, 0, 1, 2, Qt::AlignRight);
}

void FileNotice::place()
{
    // In the band above a screen's content, right of its left panel (the
    // screen says where that ends), so it covers neither the fields nor
    // the save buttons at the foot.
    QWidget *window = parentWidget();
    const int left = std::clamp(window->property(kLeftProperty).toInt(), 0, window->width());
    const int room = window->width() - left - 2 * kMargin;
    const int width = std::min(kWidest, room);
    if (width <= 0)
        return;
    arrange(width >= kWideEnough);
    setFixedWidth(width);
    const int height = m_grid->hasHeightForWidth() ? m_grid->totalHeightForWidth(width) : sizeHint().height();
    setFixedHeight(height);
    move(left + kMargin + (room - width) / 2, kTop);
}

bool FileNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QFrame::eventFilter(watched, event);
}

void FileNotice::enterEvent(QEnterEvent *event)
{
    // Read at leisure: it does not leave while the pointer is on it.
    m_leave.stop();
    QFrame::enterEvent(event);
}

void FileNotice::leaveEvent(QEvent *event)
{
    if (isVisible() && !m_file.failed())
        m_leave.start(kShownMs / 2);
    QFrame::leaveEvent(event);
}

void FileNotice::open()
{
    WrittenFile file = m_file;
    file.shown = report::SpreadsheetHost::open(file.path) ? WrittenFile::Shown::Opened
        : QFileInfo(file.path).isReadable()               ? WrittenFile::Shown::NoViewer
                                                          : WrittenFile::Shown::NotOpened;
    if (file.failed())
        ErrorReporter::instance().tellWritten(file, parentWidget());
    else
        hide();
}

void FileNotice::showFolder()
{
    WrittenFile file = m_file;
    if (report::SpreadsheetHost::open(QFileInfo(file.path).absolutePath())) {
        hide();
        return;
    }
    file.shown = WrittenFile::Shown::FolderNotShown;
    ErrorReporter::instance().tellWritten(file, parentWidget());
}

} // namespace torvane::ui::common
