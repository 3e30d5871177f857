#pragma once

#include "base/language.h"

#include <QWidget>

#include <array>

namespace torvane::ui::common {
class OneShotTimer;
class Picture;
}

namespace torvane::ui::shell {

class TForm_login;

// What every inner screen shares: background, left panel, title, logo and the
// navigation bar, with their show and layout steps. Inner screens are windows
// owned by the start screen, so they stay above it and end with it.
class ScreenFrame : public QWidget
{
    Q_OBJECT
public:
    ScreenFrame(const QString &name, TForm_login *login);

    TForm_login *login() const { return m_login; }

    // Shows a hidden screen and runs its show step; a screen that is already
    // visible (also minimised) is only brought to the front.
    void present();

    // The screen's copy of the language code, taken at its last show, and
    // the language it names (English for a code that names none; such a
    // code changes no text).
    int langin = 1;
    base::Language language() const { return base::languageOr(langin); }

    common::Picture *Background1;
    common::Picture *Background2; // left panel
    common::Picture *ImageTitle;
    common::Picture *ImageLogo;
    std::array<common::Picture *, 5> MenuImage; // navigation bar, MenuImage1..MenuImage5
    ui::common::OneShotTimer *Timer1;

    // Navigation bar handlers; k is 1..5.
    void MenuImageClick(int k);
    void MenuImageMouseMove(int k);
    void MenuImageMouseLeave(int k);
    void setNavigationHover(bool on) { m_navigationHover = on; }

    // Screen height read by the last show step of any inner screen.
    static inline int scr = 0;
    // The built-in left panel; its double size variant on high density screens.
    static QPixmap builtInPanel(qreal devicePixelRatio = 1);

protected:
    virtual void FormShow() = 0;
    // Places the controls again for the start screen's current size, without
    // touching their contents.
    virtual void relayout() = 0;

    // Frame show steps.
    void readLanguage();
    void loadFramePictures();
    void loadNavigationPictures();
    // Frame layout: title, logo, navigation bar.
    void layoutFrame();

    // A click on the background takes the focus from a field, as on any window.
    void mousePressEvent(QMouseEvent *event) override;

    // Client size of the start screen, which every inner layout uses.
    int W() const;
    int H() const;

private:
    TForm_login *m_login;
    bool m_navigationHover = true;
};

} // namespace torvane::ui::shell
