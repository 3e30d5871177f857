// Events and entertainment on screen: the silent first layout.

#include "testsupport.h"

using namespace torvane;
using namespace torvane::test;

class TestSectionEvent : public QObject
{
    Q_OBJECT

private slots:
    void totalStaysEmptyUntilTheFirstChange();
};

void TestSectionEvent::totalStaysEmptyUntilTheFirstChange()
{
    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(u"Form_event"_s, 1);
    QVERIFY(s->Edit1->text().isEmpty());
    for (QLineEdit *subtotal : std::as_const(s->SumEdit))
        QCOMPARE(subtotal->text(), u"0"_s);
    QCOMPARE(s->passCount(), 0);

    choose(s, 4, 1, 1, 0);
    QVERIFY(s->Timer3->isOn());
    settle(s);
    QCOMPARE(s->Edit1->text(), u"0"_s);
    QCOMPARE(s->SumEdit[3]->text(), u"0"_s);
}

QTEST_MAIN(TestSectionEvent)
#include "test_section_event.moc"
