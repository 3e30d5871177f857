#pragma once

#include <QString>

namespace torvane::base {

// The French, Russian and English forms of one caption, header or option.
// Plain UTF-16 literals keep catalogues constant data.
struct LocalizedText {
    const char16_t *fr = u"";
    const char16_t *ru = u"";
    const char16_t *en = u"";

    // Language codes: 0 French, 1 Russian, 2 English; any other code has no text.
    QString in(int language) const
    {
        switch (language) {
        case 0: return QString::fromUtf16(fr);
        case 1: return QString::fromUtf16(ru);
        case 2: return QString::fromUtf16(en);
        default: return {};
        }
    }
};

} // namespace torvane::base
