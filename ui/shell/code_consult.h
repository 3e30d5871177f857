#pragma once

#include "ui/shell/screenframe.h"

class QLabel;

namespace torvane::ui::shell {

// How to reach a specialist: e-mail and telephone on a picture panel.
class TForm_consult : public ScreenFrame
{
    Q_OBJECT
public:
    explicit TForm_consult(ScreenHost *login);

    common::Picture *Image1; // contact panel
    QLabel *Label1;  // heading
    QLabel *Label2;  // telephone number
    QLabel *Label4;  // "E-mail:"
    QLabel *Label5;  // e-mail address
    QLabel *Label6;  // telephone caption

    static const QString kEmail;
    static const QString kPhone;

    void FormCreate();
    void Timer1Timer();

protected:
    void showContent() override;
    void relayout() override { Timer1Timer(); }
};

} // namespace torvane::ui::shell
