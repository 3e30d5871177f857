#pragma once

#include <QLineEdit>

namespace torvane::ui::sections {

// A quantity field: typing takes digits only, while a paste or a drop keeps
// what the user gave, whole, so that the recalculation can name a text that
// is not a quantity instead of a shortened number being priced.
class QuantityEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace torvane::ui::sections
