// The language the program speaks before the user chooses one: the budget's
// own, else the last choice, else the system's when it is French or Russian,
// else English.

#include "base/language.h"

#include <QTest>

using namespace torvane::base;
using namespace Qt::StringLiterals;

class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void startupLanguage_data()
    {
        QTest::addColumn<int>("budget");     // the budget named at start; -1: none or unreadable
        QTest::addColumn<int>("remembered"); // chosen last time; -1: never
        QTest::addColumn<QLocale>("system");
        QTest::addColumn<int>("expected");
        const QLocale c = QLocale::c();
        const QLocale french(QLocale::French, QLocale::Canada);
        const QLocale russian(QLocale::Russian, QLocale::Kazakhstan);
        const QLocale german(QLocale::German);
        QTest::newRow("nothing known, C locale") << -1 << -1 << c << int(English);
        QTest::newRow("German system") << -1 << -1 << german << int(English);
        QTest::newRow("French system") << -1 << -1 << french << int(French);
        QTest::newRow("Russian system") << -1 << -1 << russian << int(Russian);
        QTest::newRow("last choice over the system") << -1 << int(English) << russian << int(English);
        QTest::newRow("the budget over the last choice") << int(French) << int(English) << russian << int(French);
        QTest::newRow("the budget, C locale") << int(English) << -1 << c << int(English);
        QTest::newRow("a remembered code out of range") << -1 << 7 << french << int(French);
    }
    void startupLanguage()
    {
        QFETCH(int, budget);
        QFETCH(int, remembered);
        QFETCH(QLocale, system);
        QFETCH(int, expected);
        QCOMPARE(int(torvane::base::startupLanguage(budget, remembered, system)), expected);
    }

    void localeOfEachLanguage()
    {
        QCOMPARE(localeOf(French).decimalPoint(), u","_s);
        QCOMPARE(localeOf(Russian).language(), QLocale::Russian);
        QCOMPARE(localeOf(English).decimalPoint(), u"."_s);
        QCOMPARE(localeOf(-1).language(), QLocale::English);
    }
};

QTEST_APPLESS_MAIN(TestLanguage)
#include "test_language.moc"
