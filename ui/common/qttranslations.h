#pragma once

#include "base/language.h"

#include <memory>
#include <optional>

class QTranslator;

namespace torvane::ui::common {

// Qt's own texts (standard buttons, file and message dialogs) in the
// program's language: French and Russian from Qt's installed translations,
// English as Qt writes them.
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
    std::optional<base::Language> m_language;
};

} // namespace torvane::ui::common
