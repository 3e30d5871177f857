// The language the program speaks before the user chooses one: the budget's
// own, else the last choice, else the system's when it is French or Russian,
// else English.

#include "base/language.h"

#include <QTest>

using namespace torvane::base;
using namespace Qt::StringLiterals;

using Choice = std::optional<Language>;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void startupLanguage_data()
    {
        QTest::addColumn<Choice>("budget");     // the budget named at start; none or unreadable
        QTest::addColumn<Choice>("remembered"); // chosen last time; never
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<Language>("expected");
        const Choice none;
        const QLocale c = QLocale::c();
        const QLocale french(QLocale::French, QLocale::Canada);
        const QLocale russian(QLocale::Russian, QLocale::Kazakhstan);
        const QLocale german(QLocale::German);
        QTest::newRow("nothing known, C locale") << none << none << c << Language::English;
        QTest::newRow("German system") << none << none << german << Language::English;
        QTest::newRow("French system") << none << none << french << Language::French;
        QTest::newRow("Russian system") << none << none << russian << Language::Russian;
        QTest::newRow("last choice over the system") << none << Choice(Language::English) << russian << Language::English;
        QTest::newRow("the budget over the last choice")
            << Choice(Language::French) << Choice(Language::English) << russian << Language::French;
        QTest::newRow("the budget, C locale") << Choice(Language::English) << none << c << Language::English;
    }
    void startupLanguage()
    {
        QFETCH(Choice, budget);
        QFETCH(Choice, remembered);
        QFETCH(QLocale, system);
        QFETCH(Language, expected);
        QCOMPARE(torvane::base::startupLanguage(budget, remembered, system), expected);
    }

    void codesAndLocales()
    {
        QCOMPARE(languageOf(2), Choice(Language::English));
        QCOMPARE(languageOf(3), Choice());
        QCOMPARE(languageOf(-1), Choice());
        QCOMPARE(languageOr(7), Language::English);
        QCOMPARE(localeOf(Language::French).decimalPoint(), u","_s);
        QCOMPARE(localeOf(Language::Russian).language(), QLocale::Russian);
        QCOMPARE(localeOf(Language::English).decimalPoint(), u"."_s);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "test_language.moc"
