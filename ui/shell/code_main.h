#pragma once

#include "ui/shell/screenframe.h"

#include <array>
#include <functional>

namespace torvane::ui::shell {

// The main menu: eight section tiles in two columns beside the left panel.
class TForm_main : public ScreenFrame
{
    Q_OBJECT
public:
    explicit TForm_main(ScreenHost *login);

    std::array<common::Picture *, 8> Image; // tiles Image1..Image8
    int ww = 0;

    void Timer1Timer();
    void ImageClick(int k);
    void ImageMouseMove(int k);
    void ImageMouseLeave(int k);

    // Height wanted below the tiles by what stands there (the budget
    // overview); the tiles move closer together when the window is low.
    std::function<int()> roomBelowTiles;
    // Where the tiles' right edge stands when they have their full size
    // (the layout's rule), for what is placed beside them.
    int tilesRightAtFullSize() const;
    static constexpr int kTileGap = 30; // between the two columns

    // Screen opened by tile k (1..8).
    static QString sectionOfTile(int k);

signals:
    // The tiles stand where the last layout put them.
    void laidOut();

protected:
    void showContent() override;
    void relayout() override { Timer1Timer(); }
};

} // namespace torvane::ui::shell
