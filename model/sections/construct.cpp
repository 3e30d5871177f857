#include "model/sections/construct.h"

namespace torvane::model::sections {

using namespace model;
using model::TitleSource;
using enum model::Column;

namespace {

// Units of measure a row offers, and the factor that turns a quantity in that
// unit into the unit its price is given in.
struct Unit {
    LocalizedText text;
    double factor;
};

constexpr Unit kAreaUnits[] = {
    {{u"mètre carré", u"кв.метр", u"square meter"}, 1.0},
    {{u"pied carré", u"кв.фут", u"square ft"}, 0.093},
};
constexpr Unit kLengthUnits[] = {
    {{u"mètre", u"пог.метр", u"meter"}, 1.0},
    {{u"pied", u"пог.фут", u"ft"}, 0.3},
};
constexpr Unit kPieceUnits[] = {
    {{u"unit", u"шт.", u"unit"}, 1.0},
};

constexpr auto kAreaUnitTexts = project(kAreaUnits, &Unit::text);
constexpr auto kLengthUnitTexts = project(kLengthUnits, &Unit::text);
constexpr auto kPieceUnitTexts = project(kPieceUnits, &Unit::text);

enum class Units { Area, Length, Piece };
using enum Units;

constexpr OptionList unitTexts(Units units)
{
    switch (units) {
    case Area: return kAreaUnitTexts;
    case Length: return kLengthUnitTexts;
    case Piece: return kPieceUnitTexts;
    }
    return {};
}

constexpr double unitFactor(Units units, int index)
{
    switch (units) {
    case Area: return kAreaUnits[index].factor;
    case Length: return kLengthUnits[index].factor;
    case Piece: return kPieceUnits[index].factor;
    }
    return 0;
}

// One fixed work item: its name, the units it is measured in, and its price
// in tenge per square metre, metre or piece.
struct Work {
    LocalizedText name;
    Units units;
    qint64 price;
};

// The texts are kept exactly as users know them: French blanks where an
// apostrophe would stand, a few Cyrillic look-alike first letters (tab 1
// rows 8 and 12, tab 7 rows 10 and 11), doubled and trailing blanks.

// Tab 1: preparing the walls.
constexpr Work kWallPreparation[] = {
    {{u"démolition des murs de briques, et autres. 1/2 en briques d épaisseur", u"слом кирпичных перегородок толщиной в 1/2 кирпича", u"demolition of brick walls, etc. 1/2 in thick brick"}, Area, 2450},
    {{u"démolition de murs en briques, et analogues, en une épaisseur de 1 brique", u"слом кирпичных перегородок толщиной в 1 кирпич", u"demolition of brick walls, etc. thick brick 1"}, Area, 3850},
    {{u"démolition de murs en briques, et analogues dans l épaisseur de 2 briques", u"слом кирпичных перегородок толщиной в 2 кирпича", u"demolition of brick walls, etc. 2 thickness of bricks"}, Area, 5950},
    {{u"démolition de structures en béton, béton armé de 20 cm d épaisseur", u"слом конструкций из бетона, железобетона толщиной 20 см", u"demolition of structures made of concrete, reinforced concrete 20 cm thick"}, Area, 19950},
    {{u"démontage des cloisons métalliques jusqu à 3 mm", u"демонтаж металлических перегородок до 3 мм", u"dismantling of metal partitions up to 3 mm"}, Area, 1750},
    {{u"démolition du mur", u"снос стен из ацеита", u"demolition of the walls of atseita"}, Area, 2450},
    {{u"démantèlement de construction légère partitions", u"демонтаж легких конструкций перегородки", u"dismantling of lightweight construction partitions"}, Area, 1750},
    {{u"сadre de CC démontage", u"демонтаж каркаса ГК", u"CC frame disassembly"}, Area, 2100},
    {{u"démantèlement des planchers en bois", u"демонтаж деревянных перекрытий", u"dismantling of wooden floors"}, Area, 1750},
    {{u"plaster removal- retrait de plâtre", u"снятие штукатурки", u"plaster removal"}, Area, 2100},
    {{u"tuiles de démantèlement", u"демонтаж плитки", u"tiles dismantling"}, Area, 2800},
    {{u"уnlever le papier peint des murs", u"удаление обоев со стен", u"Removing wallpaper from the walls"}, Area, 700},
    {{u"le nettoyage des parois de peinture à l huile, le vernis et le mastic", u"очистка стен от масляной краски, шпатлевки или олифы", u"cleaning the walls of oil paint, varnish and putty"}, Area, 2100},
    {{u"stuc démantèlement", u"демонтаж лепнин", u"stucco dismantling"}, Length, 700},
};

// Tab 2: preparing the ceiling.
constexpr Work kCeilingPreparation[] = {
    {{u"enlever le papier peint au plafond", u"удаление обоев с потолков", u"removing wallpaper from ceilings"}, Area, 1050},
    {{u"enlèvement de la peinture (chaux) avec des plafonds", u"удаление краски (побелки) с потолков", u"removal of paint (whitewash) with ceilings"}, Area, 2450},
    {{u"retrait de plâtre", u"снятие штукатурки", u"plaster removal"}, Area, 2100},
    {{u"démantèlement de la plaque de plâtre du plafond", u"демонтаж гипсокартонна с  потолка", u"dismantling of the ceiling plasterboard"}, Area, 700},
    {{u"démontage du cadre de plafond", u"демонтаж каркаса потолочного под ГК", u"dismantling of the ceiling"}, Area, 2100},
    {{u"démantèlement des panneaux en plastique, des plafonds suspendus", u"демонтаж пластиковых панелей, подвесных потолков", u"dismantling of plastic panels"}, Area, 1750},
    {{u"stuc démantèlement", u"демонтаж лепнин", u"stucco dismantling"}, Length, 2100},
};

// Tab 3: preparing the floor.
constexpr Work kFloorPreparation[] = {
    {{u"enlever chape de béton (60 mm)", u"снятие бетонной стяжки (до 60 мм)", u"removing concrete screed (60 mm)"}, Area, 3850},
    {{u"enlèvement de chape de ciment (30 mm)", u"снятие цементной стяжки (30 мм)", u"removal of cement screed (30 mm)"}, Area, 2800},
    {{u"retrait sous-plancher", u"снятие чернового пола", u"Removing sub-floor"}, Area, 2100},
    {{u"démantèlement des planchers en bois", u"демонтаж деревянных полов, лаг", u"dismantling of wooden floors"}, Area, 1400},
    {{u"retrait du parquet", u"снятие паркетных полов", u"Removing parquet floors"}, Area, 1750},
    {{u"tuiles de démantèlement", u"демонтаж плитки", u"tiles dismantling"}, Area, 2800},
    {{u"enlever le linoléum", u"снятие линолеума", u"removing linoleum"}, Area, 350},
    {{u"en enlevant le tapis", u"снятие ковролина", u"removing carpet"}, Area, 350},
    {{u"enlèvement de la peinture", u"удаление краски", u"paint removal"}, Area, 2500},
    {{u"retrait des obturations en vrac à partir du sol jusqu à 10 mm", u"снятие сыпучих наполнений с пола до 10 мм", u"removal of loose fillings from the floor up to 10 mm"}, Area, 1000},
};

// Tab 4: preparing the electrics.
constexpr Work kElectricsPreparation[] = {
    {{u"le démantèlement électrique", u"демонтаж электрощитка", u"the electrical dismantling"}, Piece, 5000},
    {{u"réparation de cuisinières électriques, radiateurs électriques", u"демонтаж электроплит, электронагревателей", u"dismantling electric stoves, electric heaters"}, Piece, 2800},
    {{u"prises de démantèlement, les commutateurs", u"демонтаж розеток, выключателей", u"dismantling sockets, switches"}, Piece, 750},
    {{u"démontage de l ancien câble (selon le type de démontage)", u"демотаж старой проводки (зависит от вида демонтажа)", u"dismantling the old wiring "}, Length, 2000},
};

// Tab 5: preparing the plumbing.
constexpr Work kPlumbingPreparation[] = {
    {{u"démontage des tuyaux de chauffage, l approvisionnement en eau, assainissement", u"демонтаж труб отопления, водопровода, канализации", u"dismantling of heating pipes, water supply"}, Length, 1000},
    {{u"bain démantèlement", u"демонтаж ванн", u"bath dismantling"}, Piece, 6000},
    {{u"démontage de la toilette, bidet", u"демонтаж унитаза, биде", u"dismantling the toilet, bidet"}, Piece, 4500},
    {{u"shell démantèlement", u"демонтаж раковины", u"sink dismantling"}, Piece, 3000},
    {{u"serviette démantèlement chaud", u"демонтаж полотенцесушителя", u"towel warmer dismantling"}, Piece, 2000},
};

// Tab 6: wall finishing.
constexpr Work kWallFinishing[] = {
    {{u"Retrait (décapage de la vieille élimination de revêtement, de tapisserie)", u"Удаление ( зачистка старого покрытия, снятие, смывка обоев )", u"Removing (stripping the old coating removal, wallpaper remover)"}, Area, 300},
    {{u"Plâtrage des murs", u"Оштукатуривание стен по моякам", u"Plastering the walls"}, Area, 450},
    {{u"Plâtrage des murs simples", u"Оштукатуривание стен простое", u"Plastering of walls simple"}, Length, 700},
    {{u"Scellants et Rust articulations", u"Заделывание щелей, рустов, стыков", u"Caulking and Rust joints"}, Length, 200},
    {{u"Amorçage vernis, apprêt", u"Грунтование олифой, грунтовкой", u"Priming varnish, primer"}, Area, 250},
    {{u"Rebouchage en deux couches", u"Шпаклевание в два слоя", u"Spackling in two layers"}, Area, 8000},
    {{u"Le ponçage de la surface", u"Шлифование поверхности", u"Sanding the surface"}, Area, 350},
    {{u"Grille de masquage coller", u"Оклеивание малярной сеткой \"Строби\"", u"Pasting masking grid"}, Area, 200},
    {{u"La coloration en deux couches", u"Окрашивание в два слоя", u"Staining in two layers"}, Area, 500},
    {{u"Pose de papiers peints", u"Оклеивание обоями", u"paperhanging"}, Area, 700},
    {{u"Tissu de papier peint coller", u"Оклеивание обоями тканевыми", u"Pasting wallpaper fabric"}, Area, 1000},
    {{u"Coller l auto-adhésif en film", u"Оклеивание пленкой самоклейкой", u"Pasting the film self-adhesive"}, Area, 500},
    {{u"Papier peint liquide", u"Жидкие обои", u"Liquid wallpaper"}, Area, 1000},
    {{u"La plaque de plâtre de revêtement (sans rails de montage)", u"Покрытие гипсокартоном (без монтажа направляющих)", u"The coating plasterboard (without mounting rails)"}, Area, 800},
    {{u"Guide d installation pour les plaques de plâtre", u"Монтаж направляющих для гипсокартона", u"Installation guides for plasterboard"}, Area, 300},
    {{u"Arches de plâtre", u"Устройство гипсокартонной арки", u"Plasterboard arches"}, Piece, 1000},
    {{u"Les appareils d éclairage boîtes de plaques de plâtre", u"Устройство осветительного гипсокартонного короба", u"Lighting devices plasterboard boxes"}, Length, 1100},
    {{u"Le dispositif décoratif boîtes de gypse", u"Устройство декоративного гипсокартонного короба", u"The device decorative gypsum boxes"}, Length, 1200},
    {{u"Installation de portes intérieures", u"Установка межкомнатной двери", u"Installation of interior doors"}, Piece, 8000},
    {{u"Restauration des fenêtres et des portes", u"Реставрация окон и дверей", u"Restoration of windows and doors"}, Piece, 10000},
    {{u"Mastic fenêtre d application pentes", u"Шпатлевание оконных откосов", u"Shpatlevanie window slopes"}, Length, 1000},
    {{u"Érection de cloisons en plaques de plâtre", u"Возведение перегородки из гипсокартона", u"Erection of plasterboard partitions"}, Area, 1000},
    {{u"Brique ou autre matériau", u"Кладка кирпичная или из иного материала", u"Brick or other material"}, Area, 1500},
    {{u"câblage et l intégration", u"Штробление с проводкой кабеля и заделкой", u"wiring cable and incorporation"}, Length, 400},
    {{u"Dispositif de point électrique dans le nouvel emplacement", u"Устройство эл.точки в новом месте", u"Device electrical point in the new location"}, Piece, 500},
    {{u"Point dans l ancien site de remplacement", u"Замена точки в старом месте", u"Replacement point in the old site"}, Piece, 350},
};

// Tab 7: ceiling finishing.
constexpr Work kCeilingFinishing[] = {
    {{u"Retrait (décapage de la vieille élimination de revêtement, de tapisserie)", u"Удаление ( зачистка старого покрытия, снятие, смывка обоев )", u"Removing (stripping the old coating removal, wallpaper remover)"}, Area, 500},
    {{u"Plâtrage balises de plafond", u"Оштукатуривание потолка по маякам", u"Plastering ceiling beacons"}, Area, 1000},
    {{u"Plâtrage plafond est simple", u"Оштукатуривание потолка простое", u"Plastering ceiling is simple"}, Area, 200},
    {{u"Scellants et Rust articulations", u"Заделывание щелей, рустов, стыков", u"Caulking and rustication, joints"}, Length, 250},
    {{u"Amorçage de la colle, vernis, apprêt", u"Грунтование клеем, олифой, грунтовкой", u"Priming glue, varnish, primer"}, Area, 300},
    {{u"Rebouchage en deux couches", u"Шпаклевание в два слоя", u"Spackling in two layers"}, Area, 1000},
    {{u"Le ponçage de la surface", u"Шлифование поверхности", u"Sanding the surface"}, Area, 200},
    {{u"Grille de masquage coller", u"Оклеивание малярной сеткой", u"Pasting masking grid"}, Area, 250},
    {{u"La coloration en deux couches", u"Окрашивание в два слоя", u"Staining in two layers"}, Area, 600},
    {{u"Зose de papiers peints", u"Оклеивание обоями", u"paperhanging"}, Area, 800},
    {{u"Сhaux", u"Побелка", u"whitewash"}, Area, 250},
    {{u"Le plafond de l unité", u"Устройство подвесного потолка", u"The unit ceiling"}, Area, 2000},
    {{u"Dispositif à plusieurs niveaux de plâtre du plafond", u"Устройство многоуровневого потолка из гипсокартона", u"Device tiered ceiling plasterboard"}, Area, 2500},
    {{u"Le plafond de dispositifs d éclairage", u"Устройство осветительной эл.точки в подвесном потолке", u"The device of the lighting points in the false ceiling"}, Piece, 2500},
    {{u"Fixation moulures au plafond", u"Крепление потолочного плинтуса", u"Fixing ceiling moldings"}, Length, 400},
    {{u"La pose de carreaux décoratifs", u"Крепление декоративных плиток", u"Fixing decorative tiles"}, Area, 2000},
    {{u"Rails de montage pour rideaux", u"Крепление карнизов для штор", u"Mounting rails for curtains"}, Piece, 500},
};

// Tab 8: laying the floor.
constexpr Work kFloorLaying[] = {
    {{u"Retrait (stripping l ancien revêtement)", u"Удаление ( зачистка старого покрытия )", u"Removing (stripping the old coating)"}, Area, 500},
    {{u"Appliance de ciment couvrant jusqu à 5 cm. (Pour le chauffage par le sol)", u"Устройство цементной стяжки толщиной до 5 см.( для теплого пола)", u"Appliance of cement covering up to 5 cm"}, Area, 800},
    {{u"Mise à niveau du sol (chape de nivellement)", u"Выравнивание пола (нивелирующая стяжка)", u"Leveling the floor (leveling screed)"}, Area, 300},
    {{u"Mélanges d étanchéité \"arrêt GLIMS l eau\"", u"Гидроизоляция смесями «ГЛИМС-ВОДОСТОП»", u"Waterproofing mixtures \"GLIMS-water stop\""}, Area, 500},
    {{u"Imperméabilisation", u"Устройство гидроизоляции гидростеклоизолом", u"waterproofing"}, Area, 500},
    {{u"Dispositif de chauffage par le sol", u"Устройство теплого пола", u"floor heating device"}, Area, 2500},
    {{u"Revêtement de base de contreplaqué à monter sur les goujons", u"Настил основания из фанеры с креплением на дюбели", u"Flooring of plywood base to mount on dowels"}, Area, 400},
    {{u"Plancher Couché", u"Укладка паркетной доски", u"Laying floorboard"}, Area, 1000},
    {{u"Stratifié Couché", u"Укладка ламината", u"Laying laminate "}, Area, 700},
    {{u"Couché pièce de parquet", u"Укладка паркета штучного", u"Laying parquet piece"}, Area, 1500},
    {{u"Calfeutrage parquet", u"Шпаклевка паркета", u"Caulking parquet"}, Area, 300},
    {{u"Le parquet de vernis de revêtement", u"Покрытие паркетных полов лаком , три слоя", u"The coating varnish parquet floor"}, Area, 750},
    {{u"Linoléum Couché", u"Укладка линолеума", u"Laying linoleum"}, Area, 350},
    {{u"Installation de seuils décoratifs sur le sol", u"Установка декоративных порожков на пол", u"Installation of decorative thresholds on the floor"}, Length, 250},
    {{u"Pose des plinthes", u"Установка плинтуса", u"Installation of baseboards"}, Length, 350},
};

// Tab 9: plumbing fixtures and tiling.
constexpr Work kTiling[] = {
    {{u"Démontage cabines sanitaires", u"Демонтаж сантехнической кабины", u"Dismantling sanitary cabins"}, Piece, 2500},
    {{u"Remplit les vieilles tuiles", u"Сбивка старой плитки", u"Fills the old tiles"}, Area, 500},
    {{u"Retrait vieille plomberie", u"Демонтаж старой сантехники", u"Removing old plumbing"}, Piece, 800},
    {{u"Bains d installation", u"Установка ванны", u"Installation baths"}, Piece, 7000},
    {{u"Installation de la douche", u"Установка душевой кабины", u"Installation of the shower"}, Piece, 10000},
    {{u"Installation de toilettes", u"Установка унитаза", u"Installing the toilet"}, Piece, 3000},
    {{u"Éviers bassins définir et éviers", u"Установка раковины-умывальника или мойки", u"Set-basin sinks and sinks"}, Piece, 5000},
    {{u"Set mélangeur", u"Установка смесителя", u"Set mixer"}, Piece, 2500},
    {{u"L installation et le raccordement de la machine à laver", u"Установка и подключение стиральной машины", u"Installation and connection of the washing machine"}, Piece, 2000},
    {{u"Liner de conduites flexibles - caché", u"Подводка труб гибкая – скрытая", u"Liner Flexible Tube"}, Length, 400},
    {{u"Face aux carrelages et des revêtements", u"Облицовка плиткой полов и стен", u"Facing the floor and wall tiles"}, Area, 2500},
    {{u"Socle portant", u"Устройство плинтуса", u"laying plinth"}, Length, 450},
};

// Price tables: entry r - 1 prices row r of its tab.
constexpr auto masscen1 = project(kWallPreparation, &Work::price);
constexpr auto masscen2 = project(kCeilingPreparation, &Work::price);
constexpr auto masscen3 = project(kFloorPreparation, &Work::price);
constexpr auto masscen4 = project(kElectricsPreparation, &Work::price);
constexpr auto masscen5 = project(kPlumbingPreparation, &Work::price);
constexpr auto masscen6 = project(kWallFinishing, &Work::price);
constexpr auto masscen7 = project(kCeilingFinishing, &Work::price);
constexpr auto masscen8 = project(kFloorLaying, &Work::price);
constexpr auto masscen9 = project(kTiling, &Work::price);

template<const auto &works>
LocalizedText workName(int row)
{
    return works[row - 1].name;
}

template<const auto &works>
OptionList unitsOfRow(int row)
{
    return unitTexts(works[row - 1].units);
}

// A row is its work's price times the quantity, converted from feet or
// square feet where that unit is chosen; amounts may carry decimals.
template<const auto &works, const auto &prices>
Amount workRule(const RowInput &in)
{
    const int u = in.pos(3);
    const qint64 q = in.qty(2);
    if (u == -1 || q == 0)
        return 0;
    const int r = in.row;
    return double(prices[r - 1]) * unitFactor(works[r - 1].units, u) * double(q);
}

// Every tab has one group: work name (read-only), quantity, unit, amount.
// The name column takes half the width, quantity and unit a quarter between them.
CellPlace workColumn(int Wt, int column)
{
    const int w = (Wt - 105) / 4;
    switch (column) {
    case 1: return {10, 2 * w};
    case 2: return {2 * w + 20, w / 2};
    case 3: return {3 * (w + 10) - w / 2, w / 2};
    default: return {3 * w + 40, w};
    }
}

constexpr GroupLayout kWorkLayout{20, 50, 40, 0, 0, workColumn};
constexpr model::GroupPlan kWorkReport{TitleSource::TabButton, B, B, E, false, 4};

constexpr ColumnHeader kWorkHeaders[] = {
    {1, {u"Nom du travail", u"Наименование работы", u"Name of work"}},
    {2, {u"Nombre", u"Количество", u"Quantity"}},
    {3, {u"Unité de mesure", u"Единица измерения", u"Unit of measurement"}},
    {4, {u"Somme", u"Сумма", u"The sum"}},
};

template<const auto &works>
constexpr ColumnSpec kWorkColumns[] = {name(workName<works>), quantity(), choiceByRow(unitsOfRow<works>), sum()};

template<const auto &works, const auto &prices>
constexpr GroupSpec workGroup(LocalizedText header)
{
    return {1, header, 1, int(std::size(works)), kWorkColumns<works>, kWorkHeaders, workRule<works, prices>, 4,
            kWorkLayout, kWorkReport};
}

// Two French headers begin with the Cyrillic capital Ze (U+0417), not a Latin P.
constexpr GroupSpec kTab1[] = {workGroup<kWallPreparation, masscen1>({u"murs", u"Подготовительная работа по стенам", u"Walls"})};
constexpr GroupSpec kTab2[] = {workGroup<kCeilingPreparation, masscen2>({u"Зlafond", u"Подготовительная работа по потолкам", u"Ceiling"})};
constexpr GroupSpec kTab3[] = {workGroup<kFloorPreparation, masscen3>({u"Etage", u"Подготовительная работа по полу", u"Floor"})};
constexpr GroupSpec kTab4[] = {workGroup<kElectricsPreparation, masscen4>({u"Electricien", u"Подготовительная работа по электрике", u"Electrician"})};
constexpr GroupSpec kTab5[] = {workGroup<kPlumbingPreparation, masscen5>({u"Génie sanitaire", u"Подготовительная работа по сантехнике", u"Sanitary engineering"})};
constexpr GroupSpec kTab6[] = {workGroup<kWallFinishing, masscen6>({u"murs", u"Ремонтные работы по стенам", u"Walls"})};
constexpr GroupSpec kTab7[] = {workGroup<kCeilingFinishing, masscen7>({u"Зlafond", u"Ремонтные работы по потолку", u"Ceiling"})};
constexpr GroupSpec kTab8[] = {workGroup<kFloorLaying, masscen8>({u"La pose du plancher", u"Укладка пола", u"Laying the floor"})};
constexpr GroupSpec kTab9[] = {workGroup<kTiling, masscen9>({u"Sanitaires et toitures", u"Сантехника и плиточные работы", u"Plumbing fixtures and tiling"})};

// Subtotals stand one row below the last work: 35 * (rows + 1) + 45.
constexpr TabSpec kTabs[] = {
    {{u"Préparation des murs", u"Подготовка стен", u"Preparatory work with the walls"}, kTab1, 570},
    {{u"Préparation du plafond", u"Подготовка потолка", u"Preparatory work with the ceiling"}, kTab2, 325},
    {{u"Préparation étage", u"Подготовка пола", u"Preparatory work with the floor"}, kTab3, 430},
    {{u"Electriciens de préparation", u"Подготовка электрики", u"Electrician"}, kTab4, 220},
    {{u"Plomberie préparation", u"Подготовка сантехники", u"Sanitary engineering"}, kTab5, 255},
    {{u"Décoration murale", u"Отделка стен", u"Wall decoration"}, kTab6, 990},
    {{u"Stuc", u"Отделка потолка", u"Ceiling decoration"}, kTab7, 675},
    {{u"La pose du plancher", u"Укладка пола", u"Floor"}, kTab8, 605},
    {{u"Travaux de carrelage", u"Плиточные работы", u"Plumbing fixtures and tiling"}, kTab9, 500},
};

// One line per work at the unit its price is given in; the foot units only convert.
QList<PriceLine> priceList()
{
    constexpr LocalizedText perUnit[] = { // in the order of Units
        {u"par mètre carré", u"за кв. метр", u"per square meter"},
        {u"par mètre", u"за погонный метр", u"per meter"},
        {u"par pièce", u"за штуку", u"per piece"},
    };
    constexpr std::span<const Work> worksOfTab[] = {
        kWallPreparation, kCeilingPreparation, kFloorPreparation, kElectricsPreparation, kPlumbingPreparation,
        kWallFinishing, kCeilingFinishing, kFloorLaying, kTiling,
    };
    static_assert(std::size(worksOfTab) == std::size(kTabs));
    QList<PriceLine> lines;
    for (std::size_t t = 0; t < std::size(kTabs); ++t)
        for (const Work &work : worksOfTab[t])
            lines.append({kTabs[t].groups[0].header, work.name, perUnit[int(work.units)], work.price});
    return lines;
}

constexpr int kButtonRows[] = {5, 4};

constexpr SectionCatalogue kCatalogue{
    .screenName = u"Form_construct",
    .caption = {u"Construction et réparation", u"Строительство и ремонт", u"Construction and repair"},
    .tabs = kTabs,
    .totalsPanel = u"ScrollBox10",
    .buttonRows = kButtonRows,
    .timers = {100, 100, 100, false},
    .arithmetic = Arithmetic::Decimal,
    .reportLastColumn = E,
    .priceList = priceList,
};

} // namespace

const SectionCatalogue &constructCatalogue()
{
    return kCatalogue;
}

} // namespace torvane::model::sections
