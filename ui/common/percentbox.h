#pragma once

#include "model/typedinput.h"

#include <QDoubleSpinBox>

namespace torvane::ui::common {

// A percentage of 0 to 50 with one decimal, typed in either decimal mark
// ("7.5", "7,5 %") or stepped with the arrows. Nothing typed is refused
// under the user's fingers: a text that cannot be taken is reported when
// the editing ends, and the value from before the edit comes back.
class PercentBox : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit PercentBox(QWidget *parent = nullptr);

signals:
    // text could not be taken; the box went back to kept.
    void refused(const QString &text, model::PercentProblem problem, double kept);

protected:
    QValidator::State validate(QString &input, int &pos) const override;
    double valueFromText(const QString &text) const override;
    QString textFromValue(double value) const override;
    void fixup(QString &input) const override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Reports a text that cannot be taken; true when it could.
    bool takeTyped();

    double m_before = 0;
};

} // namespace torvane::ui::common
