#include "ui/budget/duedateedit.h"

#include "ui/budget/budgettexts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

namespace torvane::ui::budget {

using namespace Qt::StringLiterals;

namespace {

// The day before any date a pavilion budget can have stands for "none".
const QDate kNone(1999, 12, 31);

QString fourDigitYears(QString format)
{
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    return format;
}

} // namespace

DueDateEdit::DueDateEdit(base::Language language, QWidget *parent)
    : QDateEdit(parent)
{
    const QLocale locale = base::localeOf(language);
    setLocale(locale);
    setDisplayFormat(fourDigitYears(locale.dateFormat(QLocale::ShortFormat)));
    setCalendarPopup(true);
    setMinimumDate(kNone);
    setSpecialValueText(budgettexts::kNoDueDate.in(language));
    auto *clearIt = new QAction(style()->standardIcon(QStyle::SP_LineEditClearButton), budgettexts::kNoDueDate.in(language), this);
    clearIt->setObjectName(u"ClearDueDate"_s);
    clearIt->setToolTip(budgettexts::kNoDueDate.in(language));
    lineEdit()->addAction(clearIt, QLineEdit::TrailingPosition);
    connect(clearIt, &QAction::triggered, this, [this] {
        clear();
        emit clearedByUser();
    });
}

QDate DueDateEdit::due() const
{
    return date() <= kNone ? QDate() : date();
}

void DueDateEdit::setDue(const QDate &due)
{
    setDate(due.isValid() ? due : kNone);
}

void DueDateEdit::clear()
{
    setDate(kNone);
}

void DueDateEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        clear();
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
}

} // namespace torvane::ui::budget
