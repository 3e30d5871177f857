// A section's control texts and a cell's options, as the screen shows them
// and the report reads them, in every section.

#include "modelsupport.h"

#include "model/sectionlist.h"
#include "model/sectiontexts.h"

using namespace torvane;
using namespace torvane::model;
using namespace Qt::StringLiterals;

namespace {

const SectionCatalogue &catalogueOf(const QString &screen)
{
    for (const SectionCatalogue *catalogue : allCatalogues())
        if (QString::fromUtf16(catalogue->screenName) == u"Form_"_s + screen)
            return *catalogue;
    qFatal("no section %s", qPrintable(screen));
}

} // namespace

class TestSectionTexts : public QObject
{
    Q_OBJECT

private slots:
    void controlTextsByName_data();
    void controlTextsByName();
    void controlsWithoutTextsAreAbsent_data();
    void controlsWithoutTextsAreAbsent();
    void cellOptionsInTheirOrder_data();
    void cellOptionsInTheirOrder();
    void onlyChoiceCellsHaveOptions_data();
    void onlyChoiceCellsHaveOptions();
};

void TestSectionTexts::controlTextsByName_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    // Tab buttons, group and column headers, blanks at the ends kept.
    QTest::newRow("logistic ru Button1") << u"logistic"_s << 1 << u"Button1"_s << u"Авиа перелеты"_s;
    QTest::newRow("logistic fr Label13") << u"logistic"_s << 0 << u"Label13"_s << u"Nombre d adultes"_s;
    QTest::newRow("logistic en Label210") << u"logistic"_s << 2 << u"Label210"_s << u"The sum"_s;
    QTest::newRow("logistic ru Labelzag41") << u"logistic"_s << 1 << u"Labelzag41"_s << u"Аренда автомобилей"_s;
    QTest::newRow("living fr Button3") << u"living"_s << 0 << u"Button3"_s << u"Cottages"_s;
    QTest::newRow("living ru Label52") << u"living"_s << 1 << u"Label52"_s << u"Количество суток"_s;
    QTest::newRow("living en Labelzag21") << u"living"_s << 2 << u"Labelzag21"_s << u" Booking hotel room"_s;
    QTest::newRow("food fr Button1") << u"food"_s << 0 << u"Button1"_s << u"Restaurants et cafés "_s;
    QTest::newRow("food en Button1") << u"food"_s << 2 << u"Button1"_s << u"Tab restaurants and cafes"_s;
    QTest::newRow("food ru Labelzag12") << u"food"_s << 1 << u"Labelzag12"_s << u"Праздничный поход в ресторан"_s;
    QTest::newRow("construct ru Labelzag21") << u"construct"_s << 1 << u"Labelzag21"_s << u"Подготовительная работа по потолкам"_s;
    QTest::newRow("construct fr Labelzag21") << u"construct"_s << 0 << u"Labelzag21"_s << u"Зlafond"_s;
    QTest::newRow("construct en Labelzag81") << u"construct"_s << 2 << u"Labelzag81"_s << u"Laying the floor"_s;
    QTest::newRow("service ru Labelzag82") << u"service"_s << 1 << u"Labelzag82"_s << u"Письменные переводы"_s;
    QTest::newRow("service en Labelzag81") << u"service"_s << 2 << u"Labelzag81"_s << u"Interpretation (synchronous)"_s;
    QTest::newRow("expenses en Labelzag12") << u"expenses"_s << 2 << u"Labelzag12"_s << u"dry-cleaning"_s;
    QTest::newRow("expenses ru Labelzag41") << u"expenses"_s << 1 << u"Labelzag41"_s << u"Расходные материалы и канцелярия"_s;
    QTest::newRow("event fr Labelzag41") << u"event"_s << 0 << u"Labelzag41"_s << u"Achat d accessoires et composants"_s;
    QTest::newRow("event ru Labelzag21") << u"event"_s << 1 << u"Labelzag21"_s << u"Услуги Видео и Фото съемки"_s;
    QTest::newRow("reclame fr Labelzag13") << u"reclame"_s << 0 << u"Labelzag13"_s << u"Pour écran Louer médias"_s;
    QTest::newRow("reclame en Labelzag41") << u"reclame"_s << 2 << u"Labelzag41"_s << u"Organizing promotion actions"_s;
    // Fixed names of rows, by the name of the read-only field they are written into.
    QTest::newRow("service ru Label52") << u"service"_s << 1 << u"Label52"_s << u"Период (час)"_s;
    QTest::newRow("food fr Edit311") << u"food"_s << 0 << u"Edit311"_s << u"Théâtre / Opéra"_s;
    QTest::newRow("food en Edit341") << u"food"_s << 2 << u"Edit341"_s << u"Events active recreation "_s;
    QTest::newRow("food ru Edit3101") << u"food"_s << 1 << u"Edit3101"_s << u"Салон красоты"_s;
    QTest::newRow("construct en Edit1141") << u"construct"_s << 2 << u"Edit1141"_s << u"stucco dismantling"_s;
    QTest::newRow("construct ru Edit111") << u"construct"_s << 1 << u"Edit111"_s << u"слом кирпичных перегородок толщиной в 1/2 кирпича"_s;
}

void TestSectionTexts::controlTextsByName()
{
    QFETCH(QString, section);
    QFETCH(int, language);
    QFETCH(QString, control);
    QFETCH(QString, text);
    const QHash<QString, QString> texts = sectionTexts(catalogueOf(section), base::Language(language));
    QVERIFY2(texts.contains(control), qPrintable(control));
    QCOMPARE(texts.value(control), text);
}

void TestSectionTexts::controlsWithoutTextsAreAbsent_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("control");
    QTest::newRow("logistics has five tabs") << u"logistic"_s << u"Button6"_s;
    QTest::newRow("logistics tab 1 has one group") << u"logistic"_s << u"Labelzag12"_s;
    QTest::newRow("logistics tab 1 has five column headers") << u"logistic"_s << u"Label16"_s;
    QTest::newRow("a subtotal is a figure") << u"logistic"_s << u"SumEdit1"_s;
    QTest::newRow("the total is a figure") << u"logistic"_s << u"Edit1"_s;
    QTest::newRow("a quantity is the user's") << u"logistic"_s << u"Edit113"_s;
    QTest::newRow("an option box shows a choice") << u"logistic"_s << u"ComboBox111"_s;
    QTest::newRow("food activity quantity") << u"food"_s << u"Edit312"_s;
    QTest::newRow("construction quantity") << u"construct"_s << u"Edit1142"_s;
    QTest::newRow("construction row sum") << u"construct"_s << u"Edit1144"_s;
    QTest::newRow("construction has fourteen rows on tab 1") << u"construct"_s << u"Edit1151"_s;
}

void TestSectionTexts::controlsWithoutTextsAreAbsent()
{
    QFETCH(QString, section);
    QFETCH(QString, control);
    for (const base::Language language : base::kLanguages)
        QVERIFY2(!sectionTexts(catalogueOf(section), language).contains(control), qPrintable(control));
}

void TestSectionTexts::cellOptionsInTheirOrder_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("logistic departure, one option") << u"logistic"_s << 1 << 1 << 1 << 2 << 1 << u"Astana"_s << u"Astana"_s;
    QTest::newRow("logistic flight destinations") << u"logistic"_s << 1 << 4 << 2 << 1 << 20 << u"Алматы"_s << u"Бангкок"_s;
    QTest::newRow("logistic rail freight destination") << u"logistic"_s << 2 << 5 << 2 << 2 << 2 << u"Almaty"_s << u"Astana"_s;
    QTest::newRow("living hostel placement") << u"living"_s << 2 << 3 << 1 << 0 << 3 << u"double placement"_s << u"devyatimestny placement"_s;
    QTest::newRow("food cuisine") << u"food"_s << 2 << 8 << 1 << 0 << 5 << u"Est"_s << u"Italien"_s;
    QTest::newRow("construct area units") << u"construct"_s << 1 << 1 << 3 << 2 << 2 << u"square meter"_s << u"square ft"_s;
    QTest::newRow("construct length units") << u"construct"_s << 1 << 14 << 3 << 0 << 2 << u"mètre"_s << u"pied"_s;
    QTest::newRow("construct piece units") << u"construct"_s << 4 << 1 << 3 << 1 << 1 << u"шт."_s << u"шт."_s;
    QTest::newRow("service staff selection") << u"service"_s << 1 << 5 << 1 << 2 << 3 << u"economy"_s << u"luxury"_s;
    QTest::newRow("expenses consumables") << u"expenses"_s << 4 << 5 << 1 << 2 << 5 << u"pen"_s << u"eraser"_s;
    QTest::newRow("event recording level, Russian texts in English") << u"event"_s << 2 << 1 << 2 << 2 << 2 << u"За час"_s << u"За мероприятие"_s;
    QTest::newRow("reclame river bank, French in the other order") << u"reclame"_s << 1 << 5 << 1 << 0 << 2 << u"rive gauche"_s << u"rive droite"_s;
}

void TestSectionTexts::cellOptionsInTheirOrder()
{
    QFETCH(QString, section);
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, language);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const SectionGrid &grid = SectionGrid::of(catalogueOf(section));
    const int index = grid.indexOf(tab, row, column);
    QVERIFY(index >= 0);
    const GridCell &cell = grid.cell(index);
    const OptionList options = optionsOf(*cell.spec, cell.row);
    QCOMPARE(int(options.size()), count);
    QCOMPARE(optionCount(*cell.spec, cell.row), count);
    QCOMPARE(options.front().in(base::Language(language)), first);
    QCOMPARE(options.back().in(base::Language(language)), last);
}

void TestSectionTexts::onlyChoiceCellsHaveOptions_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::newRow("logistics adults") << u"logistic"_s << 1 << 1 << 3;
    QTest::newRow("logistics row sum") << u"logistic"_s << 1 << 1 << 5;
    QTest::newRow("food activity name") << u"food"_s << 3 << 1 << 1;
    QTest::newRow("construction work name") << u"construct"_s << 1 << 14 << 1;
    QTest::newRow("construction quantity") << u"construct"_s << 1 << 14 << 2;
}

void TestSectionTexts::onlyChoiceCellsHaveOptions()
{
    QFETCH(QString, section);
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, column);
    const SectionGrid &grid = SectionGrid::of(catalogueOf(section));
    const int index = grid.indexOf(tab, row, column);
    QVERIFY(index >= 0);
    const GridCell &cell = grid.cell(index);
    QVERIFY(optionsOf(*cell.spec, cell.row).empty());
    QCOMPARE(optionCount(*cell.spec, cell.row), 0);
}

QTEST_APPLESS_MAIN(TestSectionTexts)
#include "test_sectiontexts.moc"
