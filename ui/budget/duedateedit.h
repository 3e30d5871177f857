#pragma once

#include "base/language.h"

#include <QDateEdit>

namespace torvane::ui::budget {

// A due date typed or picked from a calendar, or none: the clear button in
// the field (or Delete) leaves the line without a due date.
class DueDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    DueDateEdit(base::Language language, QWidget *parent = nullptr);

    // None when the date was cleared.
    QDate due() const;
    void setDue(const QDate &due);

signals:
    // The user cleared the date and is done with the field.
    void clearedByUser();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void clear() override;
};

} // namespace torvane::ui::budget
