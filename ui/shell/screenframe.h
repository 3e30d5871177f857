#pragma once

#include "base/language.h"
#include "base/localizedtext.h"
#include "ui/shell/screenhost.h"

#include <QRect>

#include <array>
#include <functional>
#include <vector>

namespace torvane::ui::common {
class OneShotTimer;
class Picture;
}

namespace torvane::ui::shell {

// What every inner screen shares: background, left panel, title, logo and the
// navigation bar, with their show and layout steps. Inner screens are windows
// owned by the start screen, so they stay above it and end with it.
class ScreenFrame : public QWidget
{
    Q_OBJECT
public:
    // The caption is the window's title, in the language of each show
    // (Russian until the first).
    ScreenFrame(const QString &name, const base::LocalizedText &caption, ScreenHost *login);

    // The start screen (in a test, what stands in for it).
    ScreenHost *login() const { return m_login; }

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

    // The show step: the language, the frame's pictures, the caption and the
    // navigation bar in that language, then the screen's own content; the
    // layout follows on Timer1.
    void FormShow();

    // Work that waits for the screen's first show rather than slowing the
    // start: a bold font to load, text documents for selectable labels. It
    // runs in that show's step, before the content; once the screen has
    // been shown, at once.
    void whenFirstShown(std::function<void()> work);

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
    // The screen's own part of the show step, after the frame's: its pictures
    // and texts for the language (langin is read by then).
    virtual void showContent() = 0;
    // Places the controls again for the start screen's current size, without
    // touching their contents.
    virtual void relayout() = 0;

    // Loads a picture from the folder of the screen's language: a button's
    // picture at a show, and its highlighted or normal one as the pointer
    // enters or leaves it. A code that names no language leaves it as it was.
    void loadInLanguage(common::Picture *picture, const QString &fileName);

    // Frame layout: title, logo, navigation bar.
    void layoutFrame();
    // Where a screen's content stands: right of the left panel, below the
    // title row, with margins to the start screen's edges.
    QRect contentRect() const;

    // A click on the background takes the focus from a field, as on any window.
    void mousePressEvent(QMouseEvent *event) override;

    // Client size of the start screen, which every inner layout uses.
    int W() const;
    int H() const;

private:
    void loadFramePictures();
    void loadNavigationPictures();

    ScreenHost *m_login;
    base::LocalizedText m_caption;
    bool m_navigationHover = true;
    bool m_shown = false;
    std::vector<std::function<void()>> m_firstShow;
};

} // namespace torvane::ui::shell
