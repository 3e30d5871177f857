#pragma once

#include <QColor>
#include <QString>

// The program's own look for the budget's panels: the tiles' white cards
// and teal accents, the navigation's navy buttons. Colours are those the
// pictures are drawn with.
namespace torvane::ui::budget::look {

inline const QColor kNavy{0x0b, 0x25, 0x45};
inline const QColor kTeal{0x13, 0xa8, 0x9e};
inline const QColor kTealDark{0x0d, 0x7c, 0x75};
inline const QColor kTealGround{0xee, 0xf7, 0xf5}; // the sections' amount fields
inline const QColor kTealBand{0xd2, 0xed, 0xe9};   // the budget's total row
inline const QColor kLine{0xcf, 0xdb, 0xe7};
inline const QColor kMuted{0x5a, 0x6b, 0x7d};
inline const QColor kOver{0xc6, 0x28, 0x28};       // more than the estimate
inline const QColor kWaitGround{0xff, 0xf6, 0xe0}; // waits or was emptied
inline const QColor kWaitText{0x8a, 0x6d, 0x1f};
inline const QColor kRefusedGround{0xff, 0xe1, 0xe1};

// A style sheet for a card named cardName (its objectName) and the
// controls inside it: a white rounded card with a teal edge, navy buttons
// that turn teal under the pointer, light fields with a teal focus; lists
// and number boxes keep the platform's look, arrows included.
QString cardSheet(const QString &cardName);

} // namespace torvane::ui::budget::look
