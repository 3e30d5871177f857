#pragma once

#include "ui/shell/screenhost.h"

#include <functional>
#include <memory>

class QLineEdit;

namespace torvane::ui::common {
class ClickableLabel;
class OneShotTimer;
class Picture;
class QtTranslations;
}

namespace torvane::ui::shell {

// The start screen and main window: logo, enter button and language bar. It
// owns the language choice, the text "0", "1" or "2" of its hidden Edit1, and
// every inner screen measures its size for their layout.
class TForm_login : public ScreenHost
{
    Q_OBJECT
public:
    explicit TForm_login(QWidget *parent = nullptr);
    ~TForm_login() override;

    // The language code held in Edit1.
    int language() const override;
    // Starts decoding this screen's pictures on a worker before the screens
    // are made, so the decode runs beside the making of every other screen.
    static void prefetchPictures();

    common::Picture *Background1;
    common::Picture *Image1; // logo
    common::Picture *Image2; // enter button
    common::Picture *Image3; // language bar
    common::ClickableLabel *Label1; // "FR"
    common::ClickableLabel *Label2; // "RU"
    common::ClickableLabel *Label3; // "EN"
    QLineEdit *Edit1;
    ui::common::OneShotTimer *Timer1;
    int langin = 1;

    void FormCreate();
    void Timer1Timer();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Image2Click();

    // Asked before the program ends; false keeps it running.
    void setCloseGuard(std::function<bool()> guard) { m_closeGuard = std::move(guard); }

signals:
    // A language label was clicked.
    void languageChosen(int code);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void chooseLanguage(int code, common::ClickableLabel *bold);
    void centre();

    bool m_laidOut = false;
    std::function<bool()> m_closeGuard;
    std::unique_ptr<ui::common::QtTranslations> m_qtTranslations;
};

} // namespace torvane::ui::shell
