#pragma once

#include <QComboBox>

namespace torvane::ui::sections {

// An option box whose list is widened to its longest option when it opens.
// The list is only made then: setting its width earlier would make Qt build
// every box's popup at start-up.
class OptionBox : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void setPopupMinimumWidth(int width);
    int popupMinimumWidth() const { return m_popupWidth; }

    void showPopup() override;

private:
    int m_popupWidth = 0;
    bool m_popupMade = false;
};

} // namespace torvane::ui::sections
