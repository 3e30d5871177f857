#include "ui/shell/code_main.h"

#include "base/language.h"
#include "base/localizedtext.h"
#include "base/pictures.h"
#include "model/catalogue.h"
#include "model/sectionlist.h"
#include "ui/common/errorreporter.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/picture.h"

#include <algorithm>

namespace torvane::ui::shell {

using namespace Qt::StringLiterals;

namespace {
constexpr base::LocalizedText kCaption{u"Menu principal", u"Главное меню", u"Main menu"};
} // namespace

TForm_main::TForm_main(ScreenHost *login)
    : ScreenFrame(u"Form_main"_s, kCaption, login)
{
    for (int k = 1; k <= 8; ++k) {
        common::Picture *tile = new common::Picture(u"Image%1"_s.arg(k), common::Picture::Sizing::Fit, this);
        tile->setClickable(true);
        tile->resize(base::pictures::kTileSize);
        connect(tile, &common::ClickableLabel::clicked, this, [this, k] { ui::common::guarded([&] { ImageClick(k); }); });
        connect(tile, &common::ClickableLabel::entered, this, [this, k] { ui::common::guarded([&] { ImageMouseMove(k); }); });
        connect(tile, &common::ClickableLabel::left, this, [this, k] { ui::common::guarded([&] { ImageMouseLeave(k); }); });
        Image[k - 1] = tile;
    }
    // The keyboard reads the tiles as a page is read: row by row, left to right.
    for (int row = 0; row < 4; ++row) {
        if (row > 0)
            setTabOrder(Image[std::size_t(row + 3)], Image[std::size_t(row)]);
        setTabOrder(Image[std::size_t(row)], Image[std::size_t(row + 4)]);
    }
    Timer1->setHandler([this] { Timer1Timer(); });
}

QString TForm_main::sectionOfTile(int k)
{
    const model::SectionInfo *section = model::sectionOfTile(k);
    return section ? QString::fromUtf16(section->catalogue().screenName) : QString();
}

void TForm_main::showContent()
{
    if (!base::isLanguage(langin))
        return;
    for (int k = 1; k <= 8; ++k) {
        Image[k - 1]->resize(base::pictures::kTileSize);
        loadInLanguage(Image[k - 1], base::pictures::tileFile(k));
        // The tile's picture keeps its short words; a screen reader and a
        // hover give the section's caption, as its window and its report name it.
        if (const model::SectionInfo *section = model::sectionOfTile(k)) {
            const QString caption = section->catalogue().caption.in(language());
            Image[k - 1]->setAccessibleName(caption);
            Image[k - 1]->setToolTip(caption);
        }
    }
}

void TForm_main::Timer1Timer()
{
    layoutFrame();
    ww = W() - Background2->width();
    // Tiles keep their 300x90 unless two columns of them would not fit
    // beside the left panel; then they shrink, keeping their proportions.
    const int tileWidth = std::clamp((ww - kTileGap - 60) / 2, 60, base::pictures::kTileSize.width());
    const int tileHeight = tileWidth * base::pictures::kTileSize.height() / base::pictures::kTileSize.width();
    for (common::Picture *tile : Image)
        tile->resize(tileWidth, tileHeight);
    const int below = roomBelowTiles ? roomBelowTiles() : 0;
    const int step = std::min(110, std::max(tileHeight + 10, (H() - 20 - tileHeight - below) / 4));
    const int left = (ww - 2 * tileWidth) / 2 + Background2->width();
    for (int k = 1; k <= 4; ++k)
        Image[k - 1]->move(left, step * k);
    for (int k = 5; k <= 8; ++k)
        Image[k - 1]->move(left + tileWidth + kTileGap, step * (k - 4));
    emit laidOut();
    Timer1->switchOff();
}

int TForm_main::tilesRightAtFullSize() const
{
    const int panel = Background2->width();
    const int both = 2 * base::pictures::kTileSize.width() + kTileGap;
    return (W() - panel - both) / 2 + panel + both;
}

void TForm_main::ImageClick(int k)
{
    if (auto *section = login()->findChild<ScreenFrame *>(sectionOfTile(k), Qt::FindDirectChildrenOnly))
        section->present();
}

void TForm_main::ImageMouseMove(int k)
{
    // The first two tiles read the language afresh, so after a change on the
    // start screen they switch this screen's hover pictures to it.
    if (k == 1 || k == 2)
        langin = login()->language();
    loadInLanguage(Image[k - 1], base::pictures::tileFile(k, base::pictures::Look::Highlighted));
}

void TForm_main::ImageMouseLeave(int k)
{
    if (k == 1 || k == 2)
        langin = login()->language();
    loadInLanguage(Image[k - 1], base::pictures::tileFile(k));
}

} // namespace torvane::ui::shell
