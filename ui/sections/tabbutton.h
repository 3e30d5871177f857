#pragma once

#include <QPushButton>

namespace torvane::ui::sections {

// A tab button that shows its whole caption: wrapped into up to two lines and,
// if that is not enough, in a slightly smaller font. The shown tab's button is
// checked and marked.
class TabButton : public QPushButton
{
    Q_OBJECT
public:
    explicit TabButton(QWidget *parent = nullptr);

    // Every word of the caption fits a button of this width in the smallest font.
    bool wordsFit(int width) const;
    // Height a button of this width needs to show the caption whole.
    int neededHeight(int width) const;
    // Picks the font for the caption at the current size; call after setText.
    void fitCaption();

    static constexpr qreal kSmallestPointSize = 6.5;
    static constexpr int kStandardHeight = 30;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Fit {
        qreal pointSize;
        int textHeight;
    };
    // The largest point size at which the caption fits the width in two lines
    // (and the height, when given); the smallest size when none does.
    Fit fitFor(int width, int height) const;
    QFont baseFont() const;
    QRect captionRect(const QRect &rect) const;
};

} // namespace torvane::ui::sections
