#include "ui/common/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

QtTranslations::QtTranslations() = default;

QtTranslations::~QtTranslations()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

bool QtTranslations::use(base::Language language)
{
    if (language == m_language)
        return true;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_language = language;
    const QString name = language == base::Language::French    ? u"qtbase_fr"_s
                       : language == base::Language::Russian ? u"qtbase_ru"_s
                                                             : QString();
    if (name.isEmpty())
        return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace torvane::ui::common
