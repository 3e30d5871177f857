#pragma once

#include "base/language.h"

#include <QString>

namespace torvane::base {

// The French, Russian and English forms of one caption, header or option.
// Plain UTF-16 literals keep catalogues constant data.
struct LocalizedText {
    const char16_t *fr = u"";
    const char16_t *ru = u"";
    const char16_t *en = u"";

    QString in(Language language) const
    {
        switch (language) {
        case Language::French: return QString::fromUtf16(fr);
        case Language::Russian: return QString::fromUtf16(ru);
        case Language::English: break;
        }
        return QString::fromUtf16(en);
    }
};

} // namespace torvane::base
