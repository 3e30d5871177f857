#include "ui/common/percentbox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

PercentBox::PercentBox(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setRange(0, model::kMaxContingencyTenths / 10.0);
    setDecimals(1);
    setSingleStep(0.5);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

QValidator::State PercentBox::validate(QString &input, int &) const
{
    // Intermediate rather than invalid: every key reaches the field, and
    // what cannot be taken is said when the editing ends.
    return std::holds_alternative<int>(model::parseContingencyTenths(input)) ? QValidator::Acceptable
                                                                           : QValidator::Intermediate;
}

double PercentBox::valueFromText(const QString &text) const
{
    const auto parsed = model::parseContingencyTenths(text);
    return std::holds_alternative<int>(parsed) ? std::get<int>(parsed) / 10.0 : value();
}

QString PercentBox::textFromValue(double value) const
{
    return locale().toString(value, 'f', 1) + u" %"_s;
}

void PercentBox::fixup(QString &) const
{
    // Nothing is changed behind the user's back; takeTyped() says why.
}

void PercentBox::focusInEvent(QFocusEvent *event)
{
    m_before = value();
    QDoubleSpinBox::focusInEvent(event);
}

bool PercentBox::takeTyped()
{
    const QString text = lineEdit()->text();
    const auto parsed = model::parseContingencyTenths(text);
    if (std::holds_alternative<int>(parsed)) {
        m_before = std::get<int>(parsed) / 10.0;
        return true;
    }
    const double kept = m_before;
    setValue(kept);
    emit refused(text, std::get<model::PercentProblem>(parsed), kept);
    return false;
}

void PercentBox::focusOutEvent(QFocusEvent *event)
{
    takeTyped();
    QDoubleSpinBox::focusOutEvent(event);
}

void PercentBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        takeTyped();
    QDoubleSpinBox::keyPressEvent(event);
}

} // namespace torvane::ui::common
