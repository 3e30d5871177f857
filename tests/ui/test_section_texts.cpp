// Every section screen shows its catalogue's texts in its controls once it
// has been localised, in each language: caption, tab buttons, group and
// column headers, fixed row names and option lists; no control the
// catalogue does not name, and every control the report reads. The texts
// themselves are test_cataloguetexts' part.

#include "testsupport.h"

#include "cataloguetexts.h"

#include <QLabel>
#include <QRegularExpression>

using namespace torvane;
using namespace torvane::test;

class TestSectionTexts : public QObject
{
    Q_OBJECT

private slots:
    void screenShowsTheCatalogueTexts_data();
    void screenShowsTheCatalogueTexts();
};

void TestSectionTexts::screenShowsTheCatalogueTexts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("totalCaption"); // the screen's own text, beside the total

    const QStringList screens{u"Form_logistic"_s, u"Form_living"_s, u"Form_food"_s, u"Form_construct"_s,
                              u"Form_service"_s, u"Form_expenses"_s, u"Form_reclame"_s, u"Form_event"_s};
    for (const QString &screen : screens) {
        QTest::addRow("%s fr", qPrintable(screen)) << screen << u"fr"_s << u"Résultat:"_s;
        QTest::addRow("%s ru", qPrintable(screen)) << screen << u"ru"_s << u"Итог:"_s;
        QTest::addRow("%s en", qPrintable(screen)) << screen << u"en"_s << u"Result:"_s;
    }
}

void TestSectionTexts::screenShowsTheCatalogueTexts()
{
    QFETCH(QString, screen);
    QFETCH(QString, language);
    QFETCH(QString, totalCaption);

    const model::SectionCatalogue *catalogue = catalogueNamed(screen);
    QVERIFY(catalogue);
    const base::Language L = languageNamed(language);
    const CatalogueTexts texts = catalogueTexts(*catalogue);

    Screens screens;
    ui::sections::SectionScreen *s = screens.openSection(screen, base::codeOf(L));
    QCOMPARE(s->windowTitle(), catalogue->caption.in(L));
    QCOMPARE(s->Label1->text(), totalCaption);
    QCOMPARE(s->control(QString::fromUtf16(catalogue->totalsPanel)), s->TotalsPanel);

    // Tab buttons, headers and the fixed names of rows; a name cannot be edited.
    for (auto it = texts.texts.cbegin(); it != texts.texts.cend(); ++it) {
        QVERIFY2(s->control(it.key()), qPrintable(it.key()));
        QCOMPARE(s->controlText(it.key()), it.value().in(L));
        if (auto *field = qobject_cast<QLineEdit *>(s->control(it.key())))
            QVERIFY2(field->isReadOnly(), qPrintable(it.key()));
    }

    // Option boxes offer their lists in order, with nothing chosen yet.
    for (auto it = texts.options.cbegin(); it != texts.options.cend(); ++it) {
        auto *box = s->findChild<QComboBox *>(it.key());
        QVERIFY2(box, qPrintable(it.key()));
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        QCOMPARE(shown, textsIn(it.value(), L));
        QCOMPARE(box->currentIndex(), -1);
        QVERIFY(box->currentText().isEmpty());
    }

    // No header beyond those of the catalogue: where its label numbers skip,
    // the screen has no control of that name either.
    QStringList headers;
    for (const QLabel *label : s->findChildren<QLabel *>(QRegularExpression(u"^Label(zag)?\\d+$"_s)))
        headers << label->objectName();
    QStringList named{u"Label1"_s};
    for (auto it = texts.texts.cbegin(); it != texts.texts.cend(); ++it)
        if (it.key().startsWith(u"Label"_s))
            named << it.key();
    headers.sort();
    named.sort();
    QCOMPARE(headers, named);

    // Every title and header the report reads stands on the screen with a text.
    for (const model::ReportTab &tab : model::reportPlanOf(*catalogue).tabs) {
        QVERIFY(s->control(tab.sumEditControl));
        for (const model::ReportGroup &group : tab.groups) {
            if (!group.titleControl.isEmpty())
                QVERIFY2(!s->controlText(group.titleControl).isEmpty(), qPrintable(group.titleControl));
            for (const QString &header : group.headerControls)
                QVERIFY2(!s->controlText(header).isEmpty(), qPrintable(header));
        }
    }
}

QTEST_MAIN(TestSectionTexts)
#include "test_section_texts.moc"
