#include "ui/common/qttranslations.h"

#include "ui/common/qtdialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

namespace {

// Qt 6 asks for some texts under a class name its installed translations
// do not know yet: the file dialog's "Folder", "Drive" and "Unknown" are
// asked for as QAbstractFileIconProvider's, translated as QFileDialog's.
// They are looked up in the same catalogue under the older name.
class RenamedContexts : public QTranslator
{
public:
    explicit RenamedContexts(const QTranslator &catalogue) : m_catalogue(catalogue) {}

    QString translate(const char *context, const char *sourceText, const char *, int n) const override
    {
        if (qstrcmp(context, "QAbstractFileIconProvider") == 0)
            return m_catalogue.translate("QFileDialog", sourceText, nullptr, n);
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    const QTranslator &m_catalogue;
};

} // namespace

QtTranslations::QtTranslations()
    : m_dialogs(std::make_unique<QtDialogs>())
{
}

QtTranslations::~QtTranslations()
{
    if (m_renamed)
        QCoreApplication::removeTranslator(m_renamed.get());
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
}

bool QtTranslations::use(base::Language language)
{
    if (language == m_language)
        return true;
    if (m_renamed) {
        QCoreApplication::removeTranslator(m_renamed.get());
        m_renamed.reset();
    }
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    m_language = language;
    // Qt's widgets made from now on (dialogs, spin boxes, the print
    // preview's page setup and its units) write numbers and dates this way.
    QLocale::setDefault(base::localeOf(language));
    m_dialogs->setLanguage(language);
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
    m_renamed = std::make_unique<RenamedContexts>(*m_translator);
    QCoreApplication::installTranslator(m_renamed.get());
    return true;
}

} // namespace torvane::ui::common
