// Numbers as users type them: the contingency in percent, either decimal
// mark, and what cannot be taken told apart so the user hears why.

#include "model/typedinput.h"

#include <QTest>

using namespace torvane::model;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PercentProblem)

class TestTypedInput : public QObject
{
    Q_OBJECT

private slots:
    void contingency_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("tenths"); // -1: refused
        QTest::addColumn<PercentProblem>("problem");
        const auto ok = [](const char *name, const QString &typed, int tenths) {
            QTest::newRow(name) << typed << tenths << PercentProblem::NotANumber;
        };
        const auto refused = [](const char *name, const QString &typed, PercentProblem problem) {
            QTest::newRow(name) << typed << -1 << problem;
        };
        ok("whole", u"7"_s, 70);
        ok("point", u"7.5"_s, 75);
        ok("comma", u"7,5"_s, 75);
        ok("with the sign and blanks", u" 7,5 % "_s, 75);
        ok("the sign stuck on", u"12.5%"_s, 125);
        ok("a mark with nothing after it, while typing", u"7."_s, 70);
        ok("zero", u"0"_s, 0);
        ok("the largest", u"50"_s, 500);
        ok("the largest with a decimal", u"50,0"_s, 500);
        ok("a trailing zero decimal", u"7.50"_s, 75);
        ok("leading zeros", u"007"_s, 70);
        refused("two decimals", u"7.55"_s, PercentProblem::TooManyDecimals);
        refused("above the largest", u"50.1"_s, PercentProblem::OutOfRange);
        refused("far above", u"51"_s, PercentProblem::OutOfRange);
        refused("very long", u"99999999999999999999"_s, PercentProblem::OutOfRange);
        refused("letters", u"abc"_s, PercentProblem::NotANumber);
        refused("a minus sign", u"-5"_s, PercentProblem::NotANumber);
        refused("two marks", u"7.5.1"_s, PercentProblem::NotANumber);
        refused("a mark first", u",5"_s, PercentProblem::NotANumber);
        refused("empty", u""_s, PercentProblem::NotANumber);
        refused("only the sign", u"%"_s, PercentProblem::NotANumber);
        refused("a group separator", u"1 0"_s, PercentProblem::NotANumber);
    }
    void contingency()
    {
        QFETCH(QString, typed);
        QFETCH(int, tenths);
        QFETCH(PercentProblem, problem);
        const auto parsed = parseContingencyTenths(typed);
        if (tenths >= 0) {
            QVERIFY(std::holds_alternative<int>(parsed));
            QCOMPARE(std::get<int>(parsed), tenths);
        } else {
            QVERIFY(std::holds_alternative<PercentProblem>(parsed));
            QCOMPARE(std::get<PercentProblem>(parsed), problem);
        }
    }
};

QTEST_APPLESS_MAIN(TestTypedInput)
#include "test_typedinput.moc"
