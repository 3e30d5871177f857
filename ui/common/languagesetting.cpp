#include "ui/common/languagesetting.h"

#include <QSettings>

namespace torvane::ui::common {

namespace {
const QString kKey = QStringLiteral("language");
}

std::optional<base::Language> rememberedLanguage()
{
    const QVariant code = QSettings().value(kKey);
    return code.isValid() ? base::languageOf(code.toInt()) : std::nullopt;
}

void rememberLanguage(base::Language language)
{
    QSettings().setValue(kKey, base::codeOf(language));
}

} // namespace torvane::ui::common
