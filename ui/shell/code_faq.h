#pragma once

#include "ui/shell/screenframe.h"

#include <array>

class QLabel;
class QScrollArea;

namespace torvane::ui::shell {

// Ten questions and answers in a white scrolling panel.
class TForm_faq : public ScreenFrame
{
    Q_OBJECT
public:
    explicit TForm_faq(ScreenHost *login);

    QScrollArea *ScrollBox1;
    std::array<QLabel *, 22> Label; // Label1..Label22

    void FormCreate();
    void Timer1Timer();

    // Text of label i (1..20) in a language; empty outside 0..2.
    static QString text(int i, base::Language language);

protected:
    void showContent() override;
    void relayout() override { Timer1Timer(); }
};

} // namespace torvane::ui::shell
