#include "ui/sections/optionbox.h"

#include <QAbstractItemView>

namespace torvane::ui::sections {

void OptionBox::setPopupMinimumWidth(int width)
{
    m_popupWidth = width;
    // Once the list exists it follows at once, as an open list must.
    if (m_popupMade)
        view()->setMinimumWidth(width);
}

void OptionBox::showPopup()
{
    m_popupMade = true;
    view()->setMinimumWidth(m_popupWidth);
    QComboBox::showPopup();
}

} // namespace torvane::ui::sections
