// Numbers as users type them: the contingency in percent, either decimal
// mark, and what cannot be taken told apart so the user hears why.

#include "model/typedinput.h"

#include <QTest>

using namespace torvane::model;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(PercentProblem)
Q_DECLARE_METATYPE(TypedAmount::Status)

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

    void amount_data()
    {
        using Status = TypedAmount::Status;
        using torvane::base::Language;
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Language>("language");
        QTest::addColumn<Status>("status");
        QTest::addColumn<qint64>("tiyn");
        const auto ok = [](const char *name, const QString &typed, Language language, qint64 tiyn) {
            QTest::newRow(name) << typed << language << Status::Ok << tiyn;
        };
        const auto refused = [](const char *name, const QString &typed, Language language, Status status) {
            QTest::newRow(name) << typed << language << status << qint64(0);
        };
        ok("whole", u"63000"_s, Language::English, 6300000);
        ok("French grouping and comma", u"1 234 567,50"_s, Language::French, 123456750);
        ok("French narrow no-break spaces", u"1\u202F234\u202F567,50"_s, Language::French, 123456750);
        ok("Russian no-break spaces", u"1\u00A0234\u00A0567,5"_s, Language::Russian, 123456750);
        ok("English grouping and point", u"1,234,567.50"_s, Language::English, 123456750);
        ok("English thousands comma", u"12,500"_s, Language::English, 1250000);
        ok("either mark: a comma in English", u"12,5"_s, Language::English, 1250);
        ok("either mark: a point in French", u"12.5"_s, Language::French, 1250);
        ok("blanks in English", u"1 234.5"_s, Language::English, 123450);
        ok("one decimal", u"0,5"_s, Language::Russian, 50);
        ok("zero is an amount", u"0"_s, Language::English, 0);
        ok("the tenge sign", u"₸ 1 500"_s, Language::English, 150000);
        ok("the largest", u"1000000000000000"_s, Language::English, kMaxAmountTiyn);
        ok("leading zeros", u"007"_s, Language::English, 700);
        QTest::newRow("empty is not known") << u"  "_s << Language::English << Status::Empty << qint64(0);
        refused("letters", u"abc"_s, Language::English, Status::NotANumber);
        refused("a minus sign", u"-500"_s, Language::English, Status::Negative);
        refused("a true minus sign", u"\u22125"_s, Language::French, Status::Negative);
        refused("three decimals", u"1.234"_s, Language::English, Status::TooManyDecimals);
        refused("three decimals after a comma in French", u"1,234"_s, Language::French, Status::TooManyDecimals);
        refused("four decimals", u"1,2345"_s, Language::English, Status::TooManyDecimals);
        refused("above 10^15 tenge", u"1000000000000000,01"_s, Language::English, Status::TooLarge);
        refused("far above", u"99999999999999999999999"_s, Language::English, Status::TooLarge);
        refused("groups of two", u"12 34 567"_s, Language::French, Status::NotANumber);
        refused("two decimal marks", u"1.5.0,3"_s, Language::English, Status::NotANumber);
        refused("a mark with nothing after it", u"12."_s, Language::English, Status::NotANumber);
        refused("a plus sign", u"+5"_s, Language::English, Status::NotANumber);
        refused("mixed grouping", u"1 234,567.50"_s, Language::English, Status::NotANumber);
    }
    void amount()
    {
        QFETCH(QString, typed);
        QFETCH(torvane::base::Language, language);
        QFETCH(TypedAmount::Status, status);
        QFETCH(qint64, tiyn);
        const TypedAmount parsed = parseAmount(typed, language);
        QCOMPARE(parsed.status, status);
        QCOMPARE(parsed.tiyn, tiyn);
    }
};

QTEST_APPLESS_MAIN(TestTypedInput)
#include "test_typedinput.moc"
