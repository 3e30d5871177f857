#pragma once

#include "base/language.h"

#include <memory>
#include <optional>

class QTranslator;

namespace torvane::ui::common {

class QtDialogs;

// Qt's own texts (standard buttons, file, print and message dialogs) in the
// program's language: French and Russian from Qt's installed translations,
// English as Qt writes them; and Qt's own numbers, dates and units in that
// language's locale.
class QtTranslations
{
public:
    QtTranslations();
    ~QtTranslations();

    // Returns false when the translation is not installed (Qt's English
    // texts then stay).
    bool use(base::Language language);

private:
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_renamed;
    std::unique_ptr<QtDialogs> m_dialogs;
    std::optional<base::Language> m_language;
};

} // namespace torvane::ui::common
