#include "ui/shell/screenframe.h"

#include "base/pictures.h"
#include "report/referenceworkbook.h"
#include "ui/common/display.h"
#include "ui/common/errorreporter.h"
#include "ui/common/filenotice.h"
#include "ui/common/messages.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/picture.h"

#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace torvane::ui::shell {

using namespace Qt::StringLiterals;

ScreenFrame::ScreenFrame(const QString &name, const base::LocalizedText &caption, ScreenHost *login)
    : QWidget(login, Qt::Window)
    , m_login(login)
    , m_caption(caption)
{
    setObjectName(name);
    // The design caption until the first show: the Russian one.
    setWindowTitle(caption.in(base::Language::Russian));
    setAutoFillBackground(true);
    setFocusPolicy(Qt::ClickFocus);

    Background1 = new common::Picture(u"Background1"_s, common::Picture::Sizing::Background, this);
    Background2 = new common::Picture(u"Background2"_s, common::Picture::Sizing::Auto, this);
    // The built-in panel takes its place now; its picture is decoded at the
    // screen's first show (loadFramePictures), not at start-up.
    Background2->resize(base::pictures::kPanelSize);
    ImageTitle = new common::Picture(u"ImageTitle"_s, common::Picture::Sizing::Auto, this);
    ImageLogo = new common::Picture(u"ImageLogo"_s, common::Picture::Sizing::Auto, this);
    for (int k = 1; k <= 5; ++k) {
        common::Picture *button = new common::Picture(u"MenuImage%1"_s.arg(k), common::Picture::Sizing::Auto, this);
        button->setClickable(true);
        button->setFallbackSize(base::pictures::kNavigationSize);
        connect(button, &common::ClickableLabel::clicked, this, [this, k] { ui::common::guarded([&] { MenuImageClick(k); }); });
        connect(button, &common::ClickableLabel::entered, this, [this, k] { ui::common::guarded([&] { MenuImageMouseMove(k); }); });
        connect(button, &common::ClickableLabel::left, this, [this, k] { ui::common::guarded([&] { MenuImageMouseLeave(k); }); });
        MenuImage[k - 1] = button;
    }
    Timer1 = new ui::common::OneShotTimer(u"Timer1"_s, 100, this);

    connect(login, &ScreenHost::clientResized, this, [this] {
        if (isVisible())
            ui::common::guarded([this] { relayout(); });
    });
}

void ScreenFrame::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

QPixmap ScreenFrame::builtInPanel(qreal devicePixelRatio)
{
    if (devicePixelRatio > 1) {
        const QPixmap doubled = common::Picture::readFile(u":/torvane/leftpanel@2x.png"_s, 2);
        if (!doubled.isNull())
            return doubled;
    }
    return common::Picture::readFile(u":/torvane/leftpanel.png"_s);
}

int ScreenFrame::W() const { return m_login->clientSize().width(); }
int ScreenFrame::H() const { return m_login->clientSize().height(); }

QRect ScreenFrame::contentRect() const
{
    const int panel = Background2->width();
    return {panel + 50, 110, std::max(0, W() - panel - 100), std::max(0, H() - 220)};
}

void ScreenFrame::present()
{
    // Pictures missing for one show are told in one message.
    const ui::common::ErrorReporter::Batch pictures;
    // Headless platforms cannot stack windows and say so on every call.
    const bool canRaise = QGuiApplication::platformName() != u"offscreen"_s;
    if (isVisible()) {
        if (windowState() & Qt::WindowMinimized)
            setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        if (canRaise) {
            raise();
            activateWindow();
        }
        return;
    }
    ui::common::showMaximizedOnScreen(this);
    if (canRaise) {
        raise();
        activateWindow();
    }
    ui::common::guarded([this] { FormShow(); });
}

void ScreenFrame::FormShow()
{
    langin = m_login->language();
    loadFramePictures();
    if (!m_shown) {
        m_shown = true;
        for (const std::function<void()> &work : std::exchange(m_firstShow, {}))
            work();
    }
    if (base::isLanguage(langin)) {
        setWindowTitle(m_caption.in(language()));
        loadNavigationPictures();
    }
    showContent();
    Timer1->switchOn();
}

void ScreenFrame::whenFirstShown(std::function<void()> work)
{
    if (m_shown)
        work();
    else
        m_firstShow.push_back(std::move(work));
}

void ScreenFrame::loadFramePictures()
{
    scr = ui::common::Display::screenHeight(m_login);
    // Only the one panel picture for this screen height is read; below the
    // first threshold, or when that file is missing, the built-in panel stays.
    const auto &thresholds = base::pictures::kPanelHeights;
    int chosen = 0;
    for (std::size_t k = 0; k < thresholds.size(); ++k)
        if (scr >= thresholds[k])
            chosen = int(k) + 1;
    if (chosen == 0 || !Background2->load(base::pictures::panelFile(chosen)))
        Background2->setBuiltIn(builtInPanel(devicePixelRatioF()));
    Background1->load(base::pictures::innerBackgroundFile());
    ImageTitle->load(base::pictures::titleFile());
    ImageLogo->load(base::pictures::logotypeFile());
}

void ScreenFrame::loadNavigationPictures()
{
    for (int k = 1; k <= 5; ++k) {
        loadInLanguage(MenuImage[k - 1], base::pictures::navigationFile(k));
        MenuImage[k - 1]->setAccessibleName(base::pictures::kNavigation[std::size_t(k - 1)].in(language()));
    }
}

void ScreenFrame::loadInLanguage(common::Picture *picture, const QString &fileName)
{
    if (base::isLanguage(langin))
        picture->load(base::languageFolder(language()) + fileName);
}

void ScreenFrame::layoutFrame()
{
    // A notice of a file written stands right of the left panel.
    setProperty(common::FileNotice::kLeftProperty, Background2->width());
    ImageTitle->move(40, 50);
    ImageLogo->move(40, H() - ImageLogo->height() - 50);
    const int step = MenuImage[0]->height() + 10;
    for (int k = 1; k <= 5; ++k)
        MenuImage[k - 1]->move(50, ImageTitle->y() + ImageTitle->height() + step * k);
}

void ScreenFrame::MenuImageClick(int k)
{
    switch (k) {
    case 1:
    case 2:
    case 3: {
        static const QString targets[] = {u"Form_main"_s, u"Form_consult"_s, u"Form_faq"_s};
        if (auto *target = m_login->findChild<ScreenFrame *>(targets[k - 1], Qt::FindDirectChildrenOnly))
            target->present();
        break;
    }
    case 4: {
        const report::ReferenceOutcome outcome = report::openReferenceWorkbook();
        if (const QString message = ui::common::messages::referenceOutcome(outcome, common::ErrorReporter::instance().language()); !message.isEmpty())
            ui::common::ErrorReporter::instance().report(message);
        break;
    }
    case 5:
        m_login->close();
        break;
    default:
        break;
    }
}

void ScreenFrame::MenuImageMouseMove(int k)
{
    // The highlighted picture is read once when the pointer enters, not at
    // every movement, so a missing file cannot flood the user with reports.
    if (m_navigationHover)
        loadInLanguage(MenuImage[k - 1], base::pictures::navigationFile(k, base::pictures::Look::Highlighted));
}

void ScreenFrame::MenuImageMouseLeave(int k)
{
    if (m_navigationHover)
        loadInLanguage(MenuImage[k - 1], base::pictures::navigationFile(k));
}

} // namespace torvane::ui::shell
