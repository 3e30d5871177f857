// Start screen, main menu, navigation bar, FAQ and consultant screens.

#include "testsupport.h"

#include "ui/sections/tabbutton.h"
#include "ui/shell/code_consult.h"
#include "ui/shell/code_faq.h"
#include "ui/shell/code_main.h"
#include "ui/common/clickablelabel.h"
#include "ui/common/clippedjpeg.h"
#include "ui/common/picture.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QBuffer>
#include <QCursor>
#include <QEnterEvent>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace torvane;
using namespace torvane::test;
using namespace torvane::ui::shell;
using namespace torvane::ui::common;

namespace {

bool isBold(const QLabel *label) { return label->font().bold(); }

// A picture with detail everywhere, so a misplaced block or column shows.
QImage busyPicture(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) % 256, (y * 5) % 256, (x * y) % 256));
    return image.convertToFormat(format);
}

QByteArray jpegOf(const QImage &image, int quality = 90)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

// Largest difference of one colour channel between two pictures of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

// A copy of the picture tree beside the test, with some files left out.
struct PictureTree {
    QTemporaryDir dir;
    explicit PictureTree(const QStringList &missing)
    {
        const QString from = QCoreApplication::applicationDirPath() + u"/img"_s;
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = u"img"_s + file.mid(from.size());
            if (missing.contains(relative))
                continue;
            QDir().mkpath(QFileInfo(dir.filePath(relative)).path());
            QFile::copy(file, dir.filePath(relative));
        }
        base::AssetPath::setRootForTesting(dir.path());
    }
    ~PictureTree() { base::AssetPath::setRootForTesting({}); }
};

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ui::common::Display::setScreenHeightForTesting(0); }

    void screensAreCreatedInOrder();
    void languageChoiceMarksOneLabelBold();
    void startLayoutCentresWithTruncatingDivision_data();
    void startLayoutCentresWithTruncatingDivision();
    void enterButtonShowsMainMenuOnce();
    void panelPictureByScreenHeight_data();
    void panelPictureByScreenHeight();
    void mainMenuFollowsLanguage();
    void mainMenuLayout();
    void tileHoverPictures();
    void firstTwoTilesReReadTheLanguage();
    void navigationHoverPictures();
    void hoverPictureEndsWhenItsWindowChanges_data();
    void hoverPictureEndsWhenItsWindowChanges();
    void navigationClicks();
    void closingAnInnerScreenOnlyHidesIt();
    void firstShowWorkRunsOnceBeforeTheContent();
    void keyboardReachesEveryControlInReadingOrder_data();
    void keyboardReachesEveryControlInReadingOrder();
    void faqTexts_data();
    void faqTexts();
    void faqLabelsNeverOverprint();
    void consultantTexts();
    void missingPictureIsReportedOnceAndShowCarriesOn();
    void missingEnterPictureKeepsAClickableButton();
    void timerSwitchedOnAgainKeepsItsCountdown();
    void clippedJpegMatchesTheWholeDecode_data();
    void clippedJpegMatchesTheWholeDecode();
    void clippedJpegRefusesWhatItCannotRead();
    void prefetchedPicturesLoadAsReadDirectly();
};

void TestShell::screensAreCreatedInOrder()
{
    Screens screens;
    QStringList names;
    for (QObject *child : screens.login->children())
        if (auto *frame = qobject_cast<ScreenFrame *>(child))
            names << frame->objectName();
    QCOMPARE(names, (QStringList{u"Form_main"_s, u"Form_consult"_s, u"Form_faq"_s, u"Form_logistic"_s, u"Form_living"_s,
                                 u"Form_food"_s, u"Form_construct"_s, u"Form_service"_s, u"Form_expenses"_s,
                                 u"Form_reclame"_s, u"Form_event"_s}));
    QCOMPARE(screens.login->objectName(), u"Form_login"_s);
    QCOMPARE(screens.login->windowTitle(), u"Torvane"_s);
    for (QObject *child : screens.login->children())
        if (auto *frame = qobject_cast<ScreenFrame *>(child))
            QVERIFY(frame->isHidden());
}

void TestShell::languageChoiceMarksOneLabelBold()
{
    Screens screens;
    TForm_login *login = screens.login.get();
    QCOMPARE(login->Edit1->text(), u"1"_s);
    QVERIFY(login->Edit1->isHidden());
    QVERIFY(!isBold(login->Label1) && !isBold(login->Label2) && !isBold(login->Label3));
    login->Label2Click();
    QCOMPARE(login->Edit1->text(), u"1"_s);
    QVERIFY(isBold(login->Label2));
    login->Label1Click();
    login->Label3Click();
    QCOMPARE(login->Edit1->text(), u"2"_s);
    QVERIFY(!isBold(login->Label1) && !isBold(login->Label2) && isBold(login->Label3));
    QCOMPARE(login->language(), 2);
}

void TestShell::startLayoutCentresWithTruncatingDivision_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1366x740") << QSize(1366, 740);
    QTest::newRow("odd 1025x701") << QSize(1025, 701);
    QTest::newRow("narrower than the logo") << QSize(101, 99);
}

void TestShell::startLayoutCentresWithTruncatingDivision()
{
    QFETCH(QSize, size);
    Screens screens;
    TForm_login *login = screens.login.get();
    login->resize(size);
    login->Timer1->switchOn();
    login->Timer1->fireNow();
    const int W = size.width(), H = size.height();
    const auto div = [](int a, int b) { return a / b; }; // C++ truncates toward zero, as the layout must
    QCOMPARE(login->Image1->pos(), QPoint(div(W - login->Image1->width(), 2), div(H - login->Image1->height(), 2)));
    QCOMPARE(login->Image2->pos(), QPoint(div(W - login->Image2->width(), 2), login->Image1->y() + login->Image1->height() + 20));
    QCOMPARE(login->Image3->pos(), QPoint(div(W - login->Image3->width(), 2), login->Image2->y() + login->Image2->height() + 10));
    const int g = div(login->Image3->width() - login->Label1->width() - login->Label2->width() - login->Label3->width(), 4);
    QCOMPARE(login->Label1->pos(), QPoint(login->Image3->x() + g, login->Image3->y() + 3));
    QCOMPARE(login->Label2->x(), login->Image3->x() + 2 * g + login->Label1->width());
    QCOMPARE(login->Label3->x(), login->Image3->x() + 3 * g + login->Label1->width() + login->Label2->width());
    if (W < login->Image1->width()) {
        QVERIFY(login->Image1->x() < 0);
        QCOMPARE(-5 / 2, -2);
    }
    QVERIFY(!login->Timer1->isOn());
}

void TestShell::enterButtonShowsMainMenuOnce()
{
    Screens screens;
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    screens.login->Image2Click();
    QVERIFY(menu->isVisible());
    QVERIFY(menu->Timer1->isOn());
    settle(menu);
    screens.setLanguage(0);
    screens.login->Image2Click(); // already visible: only raised
    QVERIFY(!menu->Timer1->isOn());
    QCOMPARE(menu->langin, 1);
    QCOMPARE(menu->windowTitle(), u"Главное меню"_s);
}

void TestShell::panelPictureByScreenHeight_data()
{
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("picture");
    QTest::newRow("767") << 767 << QString();
    QTest::newRow("768") << 768 << u"img/gen/arka1.png"_s;
    QTest::newRow("1079") << 1079 << u"img/gen/arka6.png"_s;
    QTest::newRow("1080") << 1080 << u"img/gen/arka7.png"_s;
    QTest::newRow("1200") << 1200 << u"img/gen/arka7.png"_s;
}

void TestShell::panelPictureByScreenHeight()
{
    QFETCH(int, height);
    QFETCH(QString, picture);
    ui::common::Display::setScreenHeightForTesting(height);
    Screens screens;
    for (const QString &name : {u"Form_main"_s, u"Form_faq"_s, u"Form_logistic"_s}) {
        auto *screen = screens.screen<ScreenFrame>(name);
        screen->present();
        QCOMPARE(ScreenFrame::scr, height);
        QCOMPARE(screen->Background2->source(), picture);
        if (picture.isEmpty())
            QCOMPARE(screen->Background2->size(), QSize(292, 760));
    }
    QVERIFY(ui::common::ErrorReporter::instance().recorded().isEmpty());
}

void TestShell::mainMenuFollowsLanguage()
{
    Screens screens;
    const QStringList captions{u"Menu principal"_s, u"Главное меню"_s, u"Main menu"_s};
    const QStringList folders{u"fr"_s, u"ru"_s, u"en"_s};
    // The food tile keeps its picture's short words; a screen reader and a
    // hover read its window's caption.
    const QStringList foodCaptions{u"Divertissement et de la nourriture"_s, u"Развлечение и питание"_s, u"Entertainment and food"_s};
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    for (int language = 0; language < 3; ++language) {
        screens.setLanguage(language);
        menu->hide();
        menu->present();
        QCOMPARE(menu->windowTitle(), captions[language]);
        QCOMPARE(menu->Image[3]->accessibleName(), foodCaptions[language]);
        QCOMPARE(menu->Image[3]->toolTip(), foodCaptions[language]);
        for (int k = 1; k <= 8; ++k) {
            QCOMPARE(menu->Image[k - 1]->source(), u"img/%1/calcmenu%2.png"_s.arg(folders[language]).arg(k));
            QCOMPARE(menu->Image[k - 1]->size(), QSize(300, 90));
        }
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(menu->MenuImage[k - 1]->source(), u"img/%1/menu%2.png"_s.arg(folders[language]).arg(k));
    }
}

void TestShell::mainMenuLayout()
{
    Screens screens(QSize(1366, 740));
    ui::common::Display::setScreenHeightForTesting(700);
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    menu->present();
    settle(menu);
    QCOMPARE(menu->ww, 1366 - 292);
    const int left = (1074 - 600) / 2 + 292;
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(menu->Image[k - 1]->pos(), QPoint(left, 110 * k));
        QCOMPARE(menu->Image[k + 3]->pos(), QPoint(left + 330, 110 * k));
    }
    QCOMPARE(menu->ImageTitle->pos(), QPoint(40, 50));
    QCOMPARE(menu->ImageLogo->pos(), QPoint(40, 740 - menu->ImageLogo->height() - 50));
    const int step = menu->MenuImage[0]->height() + 10;
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(menu->MenuImage[k - 1]->pos(), QPoint(50, 50 + menu->ImageTitle->height() + step * k));
}

void TestShell::tileHoverPictures()
{
    Screens screens;
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    menu->present();
    emit menu->Image[4]->entered();
    QCOMPARE(menu->Image[4]->source(), u"img/ru/calcmenu5c.png"_s);
    QCOMPARE(menu->Image[4]->size(), QSize(300, 90));
    emit menu->Image[4]->left();
    QCOMPARE(menu->Image[4]->source(), u"img/ru/calcmenu5.png"_s);
}

void TestShell::firstTwoTilesReReadTheLanguage()
{
    Screens screens;
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    menu->present();
    screens.setLanguage(0); // changed while the menu stays visible
    menu->ImageMouseMove(3);
    QCOMPARE(menu->Image[2]->source(), u"img/ru/calcmenu3c.png"_s);
    menu->ImageMouseMove(2);
    QCOMPARE(menu->Image[1]->source(), u"img/fr/calcmenu2c.png"_s);
    menu->ImageMouseMove(3);
    QCOMPARE(menu->Image[2]->source(), u"img/fr/calcmenu3c.png"_s);
    menu->MenuImageMouseMove(1);
    QCOMPARE(menu->MenuImage[0]->source(), u"img/fr/menu1c.png"_s);
    QCOMPARE(menu->windowTitle(), u"Главное меню"_s); // the caption waits for the next show
}

void TestShell::navigationHoverPictures()
{
    Screens screens;
    screens.setLanguage(2);
    for (const QString &name : {u"Form_faq"_s, u"Form_construct"_s, u"Form_logistic"_s}) {
        auto *screen = screens.screen<ScreenFrame>(name);
        screen->present();
        emit screen->MenuImage[2]->entered();
        QCOMPARE(screen->MenuImage[2]->source(), u"img/en/menu3c.png"_s);
        emit screen->MenuImage[2]->left();
        QCOMPARE(screen->MenuImage[2]->source(), u"img/en/menu3.png"_s);
    }
}

void TestShell::hoverPictureEndsWhenItsWindowChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("its window hides") << u"hide"_s;
    QTest::newRow("the layout moves it from under the pointer") << u"move"_s;
    QTest::newRow("another window comes in front") << u"deactivate"_s;
}

void TestShell::hoverPictureEndsWhenItsWindowChanges()
{
    QFETCH(QString, change);
    Screens screens;
    screens.setLanguage(2);
    auto *consult = screens.screen<ScreenFrame>(u"Form_consult"_s);
    consult->present();
    settle(consult);
    Picture *button = consult->MenuImage[1];
    const QPoint centre = button->mapToGlobal(button->rect().center());
    QCursor::setPos(centre);
    QEnterEvent enter(QPointF(button->rect().center()), QPointF(button->rect().center()), QPointF(centre));
    QApplication::sendEvent(button, &enter);
    QCOMPARE(button->source(), u"img/en/menu2c.png"_s);

    if (change == u"hide"_s) {
        consult->hide();
    } else if (change == u"move"_s) {
        button->move(button->x(), button->y() + 3 * button->height());
    } else {
        QCursor::setPos(-1000, -1000); // the pointer is now on the window in front
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(button, &deactivate);
    }
    QCOMPARE(button->source(), u"img/en/menu2.png"_s);
}

void TestShell::navigationClicks()
{
    Screens screens;
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    auto *consult = screens.screen<ScreenFrame>(u"Form_consult"_s);
    auto *faq = screens.screen<ScreenFrame>(u"Form_faq"_s);
    menu->present();
    settle(menu);
    menu->MenuImageClick(1); // itself: nothing happens
    QVERIFY(!menu->Timer1->isOn());
    menu->MenuImageClick(2);
    QVERIFY(consult->isVisible());
    settle(consult);
    consult->MenuImageClick(2);
    QVERIFY(!consult->Timer1->isOn());
    consult->MenuImageClick(3);
    QVERIFY(faq->isVisible());
    QVERIFY(menu->isVisible()); // shown screens stay open underneath
    faq->MenuImageClick(1);
    QVERIFY(!menu->Timer1->isOn());
    screens.login->show();
    faq->MenuImageClick(5);
    QVERIFY(!screens.login->isVisible());
}

void TestShell::closingAnInnerScreenOnlyHidesIt()
{
    Screens screens;
    auto *faq = screens.screen<ScreenFrame>(u"Form_faq"_s);
    faq->present();
    QVERIFY(faq->close());
    QVERIFY(faq->isHidden());
    QCOMPARE(screens.screen<ScreenFrame>(u"Form_faq"_s), faq);
}

void TestShell::firstShowWorkRunsOnceBeforeTheContent()
{
    Screens screens;
    auto *faq = screens.screen<TForm_faq>(u"Form_faq"_s);
    QVERIFY(!(faq->Label[0]->textInteractionFlags() & Qt::TextSelectableByMouse)); // not paid for at start-up
    screens.setLanguage(2);
    QStringList runs;
    // It sees the language of its show, and the texts of the show before.
    faq->whenFirstShown([&] { runs << u"%1 %2"_s.arg(faq->langin).arg(faq->Label[9]->text()); });
    QVERIFY(runs.isEmpty());
    faq->present();
    QCOMPARE(runs, QStringList{u"2 Тенге."_s});
    QCOMPARE(faq->Label[9]->text(), u"Tenge"_s);
    QVERIFY(faq->Label[0]->textInteractionFlags() & Qt::TextSelectableByMouse);
    faq->hide();
    faq->present();
    QCOMPARE(runs.size(), 1);
    // Once the screen has been shown, work asked for runs at once.
    faq->whenFirstShown([&] { runs << u"late"_s; });
    QCOMPARE(runs.last(), u"late"_s);
}

void TestShell::keyboardReachesEveryControlInReadingOrder_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("stops"); // the first controls Tab reaches, in order
    const QStringList navigation{u"MenuImage1"_s, u"MenuImage2"_s, u"MenuImage3"_s, u"MenuImage4"_s, u"MenuImage5"_s};
    QTest::newRow("start screen") << u"Form_login"_s
                                  << QStringList{u"Image2"_s, u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Image2"_s};
    QTest::newRow("main menu") << u"Form_main"_s
                               << navigation + QStringList{u"Image1"_s, u"Image5"_s, u"Image2"_s, u"Image6"_s, u"Image3"_s,
                                                           u"Image7"_s, u"Image4"_s, u"Image8"_s, u"BudgetTitle"_s};
    QStringList logistics = navigation;
    for (int t = 1; t <= 5; ++t)
        logistics << u"Button%1"_s.arg(t);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 5; ++c)
            logistics << (c <= 2 ? u"ComboBox1%1%2"_s : u"Edit1%1%2"_s).arg(r).arg(c);
    logistics << u"ClearSection"_s << u"Image1"_s << u"MenuImage1"_s;
    QTest::newRow("a section") << u"Form_logistic"_s << logistics;
    QTest::newRow("FAQ") << u"Form_faq"_s << navigation + QStringList{u"ScrollBox1"_s, u"MenuImage1"_s};
}

void TestShell::keyboardReachesEveryControlInReadingOrder()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, stops);
    Screens screens;
    screens.setLanguage(2);
    QWidget *window = screens.login.get();
    if (auto *inner = screens.screen<ScreenFrame>(screen)) {
        inner->present();
        settle(inner);
        window = inner;
    } else {
        window->show();
    }
    settle(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QStringList reached;
    for (int i = 0; i < stops.size(); ++i) {
        // The window gives its first control the focus when it comes up.
        QWidget *from = QApplication::focusWidget();
        if (i > 0 || !from || from == window)
            QTest::keyClick(from ? from : window, Qt::Key_Tab);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        reached << focused->objectName();
        // A picture button, a tile, a language label or a tab button shows a
        // ring that stands out, around it.
        const bool byTab = i > 0 || !from || from == window;
        if (byTab && (qobject_cast<ClickableLabel *>(focused) || qobject_cast<ui::sections::TabButton *>(focused))) {
            auto *ring = focused->parentWidget()->findChild<QWidget *>(u"FocusRing"_s, Qt::FindDirectChildrenOnly);
            QVERIFY2(ring && ring->isVisible(), qPrintable(focused->objectName()));
            QVERIFY(ring->geometry().contains(focused->geometry()) && ring->geometry() != focused->geometry());
            const QImage look = ring->grab().toImage();
            QCOMPARE(look.pixelColor(look.width() / 2, 1), kFocusRing);
        }
    }
    QCOMPARE(reached, stops);
}

void TestShell::faqTexts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("text");
    QTest::newRow("en question 1, trailing blank") << 2 << 1 << u"1. What is this software for? "_s;
    QTest::newRow("en answer 5") << 2 << 10 << u"Tenge"_s;
    QTest::newRow("en answer 9, typographic quotes") << 2 << 18
        << u"Each section has \u201cConsultant\u201d button, where you can contact a specialist and clarify all your questions."_s;
    QTest::newRow("fr question 8, double blank") << 0 << 15
        << u"8. Est-il nécessaire d\u2019avoir un accès d\u2019Interner  permanent pour travailler avec ce programme?"_s;
    QTest::newRow("fr answer 10, Cyrillic") << 0 << 20 << u"Le software travaille avec les unités de mesure du système \u0421\u0418 (SI)."_s;
    QTest::newRow("ru answer 9, straight quotes") << 1 << 18
        << u"В каждом разделе есть кнопка \"консультант\", где вы можете связаться со специалистом и уточнить интересующие вас вопросы."_s;
}

void TestShell::faqTexts()
{
    QFETCH(int, language);
    QFETCH(int, label);
    QFETCH(QString, text);
    Screens screens;
    screens.setLanguage(language);
    auto *faq = screens.screen<TForm_faq>(u"Form_faq"_s);
    faq->present();
    settle(faq);
    QCOMPARE(faq->Label[label - 1]->text(), text);
    QCOMPARE(faq->Label[21]->text(), u"F. A. Q."_s);
    QVERIFY(faq->Label[20]->text().isEmpty());
}

void TestShell::faqLabelsNeverOverprint()
{
    Screens screens(QSize(1024, 700));
    ui::common::Display::setScreenHeightForTesting(700);
    screens.setLanguage(0);
    auto *faq = screens.screen<TForm_faq>(u"Form_faq"_s);
    faq->present();
    settle(faq);
    QCOMPARE(faq->ScrollBox1->geometry(), QRect(342, 110, 1024 - 292 - 100, 700 - 220));
    bool someWrapped = false;
    for (int i = 1; i <= 21; ++i) {
        const QRect r = faq->Label[i - 1]->geometry();
        QVERIFY(r.top() >= 55 * i + 40);
        if (i > 1) {
            const QRect previous = faq->Label[i - 2]->geometry();
            QVERIFY2(r.top() > previous.bottom(), qPrintable(u"label %1 overprints label %2"_s.arg(i).arg(i - 1)));
            if (previous.height() > 2 * faq->Label[i - 2]->fontMetrics().height())
                someWrapped = true;
        }
        if (i % 2 == 0) {
            QCOMPARE(r.left(), 50);
            QCOMPARE(r.width(), faq->ScrollBox1->width() - 150);
        }
    }
    QVERIFY(someWrapped);
    // The panel scrolls down to the empty label after the last answer.
    QVERIFY(faq->ScrollBox1->widget()->minimumHeight() > faq->Label[20]->geometry().bottom());
    QCOMPARE(faq->Label[0]->geometry().top(), 95);
}

void TestShell::consultantTexts()
{
    Screens screens;
    auto *consult = screens.screen<TForm_consult>(u"Form_consult"_s);
    consult->present();
    settle(consult);
    QCOMPARE(consult->Label1->text(), u"Контактная информация:"_s);
    QCOMPARE(consult->Label6->text(), u"Телефон:"_s);
    consult->hide();
    screens.setLanguage(0);
    consult->present();
    settle(consult);
    QVERIFY(consult->Label1->text().isEmpty());
    QVERIFY(consult->Label6->text().isEmpty());
    QCOMPARE(consult->Label4->text(), u"E-mail:"_s);
    QVERIFY(consult->Label5->text().endsWith(u"example.com"_s));
    QCOMPARE(consult->Label2->font().pixelSize(), 27);
    QCOMPARE(consult->Label5->font().pixelSize(), 20);
    QCOMPARE(consult->Label4->font().pixelSize(), 16);
    consult->hide();
    screens.setLanguage(2);
    consult->present();
    settle(consult);
    QCOMPARE(consult->Label1->text(), u"Contacts:"_s);
    QCOMPARE(consult->Label6->text(), u"Phone:"_s);
    QCOMPARE(consult->Image1->x(), 342);
    QCOMPARE(consult->Label1->x(), 342 + 40);
    QCOMPARE(consult->Label2->x(), 342 + 130);
    QCOMPARE(consult->Label2->y(), 226);
}

void TestShell::missingPictureIsReportedOnceAndShowCarriesOn()
{
    PictureTree tree({u"img/gen/arka1.png"_s, u"img/gen/title.png"_s, u"img/en/calcmenu3.png"_s});
    ui::common::Display::setScreenHeightForTesting(768);
    Screens screens;
    screens.setLanguage(2);
    auto *menu = screens.screen<TForm_main>(u"Form_main"_s);
    menu->present();
    // Every later step still ran: caption, tiles, navigation, layout.
    QCOMPARE(menu->windowTitle(), u"Main menu"_s);
    QVERIFY(menu->Image[7]->hasPicture());
    QVERIFY(!menu->Image[2]->hasPicture());
    QVERIFY(menu->MenuImage[4]->hasPicture());
    QVERIFY(menu->Timer1->isOn());
    QCOMPARE(menu->Background2->size(), QSize(292, 760)); // built-in panel instead
    // The files missing for one show come in one message that lists them all.
    QStringList reported = ui::common::ErrorReporter::instance().recorded();
    QCOMPARE(reported.size(), 1);
    for (const QString &file : {u"img/gen/arka1.png"_s, u"img/gen/title.png"_s, u"img/en/calcmenu3.png"_s})
        QVERIFY2(reported.front().contains(QDir::toNativeSeparators(tree.dir.filePath(file))), qPrintable(reported.front()));
    // Once per file for the whole run.
    menu->hide();
    menu->present();
    auto *faq = screens.screen<ScreenFrame>(u"Form_faq"_s);
    faq->present();
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
}

void TestShell::missingEnterPictureKeepsAClickableButton()
{
    PictureTree tree({u"img/gen/enter.png"_s});
    Screens screens;
    QCOMPARE(screens.login->Image2->size(), QSize(200, 50));
    QVERIFY(screens.login->Image2->isClickable());
    QVERIFY(screens.login->Image3->hasPicture());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    screens.login->Image2Click();
    QVERIFY(screens.screen<ScreenFrame>(u"Form_main"_s)->isVisible());
}

void TestShell::timerSwitchedOnAgainKeepsItsCountdown()
{
    QObject owner;
    ui::common::OneShotTimer timer(u"Timer"_s, 100, &owner);
    int runs = 0;
    timer.setHandler([&] {
        ++runs;
        timer.switchOn(); // from inside its own handler: no new run
    });
    timer.switchOn();
    QTest::qWait(60);
    if (timer.isOn()) {
        timer.switchOn();
        QVERIFY(timer.remainingMs() <= 45);
    }
    QTRY_COMPARE_WITH_TIMEOUT(runs, 1, 2000);
    QVERIFY(!timer.isOn());
    QTest::qWait(150);
    QCOMPARE(runs, 1);
}

void TestShell::clippedJpegMatchesTheWholeDecode_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QSize>("clip");
    QTest::newRow("colour, clip off the blocks") << QSize(301, 203) << false << QSize(123, 77);
    QTest::newRow("colour, clip wider than the picture") << QSize(64, 48) << false << QSize(100, 20);
    QTest::newRow("colour, clip larger both ways") << QSize(64, 48) << false << QSize(1000, 1000);
    QTest::newRow("grey, clip off the blocks") << QSize(200, 120) << true << QSize(99, 61);
}

void TestShell::clippedJpegMatchesTheWholeDecode()
{
    QFETCH(QSize, picture);
    QFETCH(bool, grey);
    QFETCH(QSize, clip);
    const QByteArray bytes = jpegOf(busyPicture(picture, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32));
    QBuffer buffer;
    buffer.setData(bytes);
    const QImage whole = QImageReader(&buffer, "jpeg").read();
    QVERIFY(!whole.isNull());
    const QImage clipped = ui::common::decodeClippedJpeg(bytes, clip);
    QCOMPARE(clipped.size(), picture.boundedTo(clip));
    QCOMPARE(clipped.format(), QImage::Format_RGB888);
    // The same decoder underneath: only rounding may differ, never a block.
    QVERIFY(largestDifference(clipped, whole.copy(QRect(QPoint(0, 0), clipped.size()))) <= 2);
}

void TestShell::clippedJpegRefusesWhatItCannotRead()
{
    const QByteArray good = jpegOf(busyPicture(QSize(64, 64), QImage::Format_RGB32));
    QVERIFY(ui::common::decodeClippedJpeg({}, QSize(10, 10)).isNull());
    QVERIFY(ui::common::decodeClippedJpeg(QByteArray("not a picture at all"), QSize(10, 10)).isNull());
    QVERIFY(ui::common::decodeClippedJpeg(good.left(20), QSize(10, 10)).isNull()); // header cut short
    QVERIFY(ui::common::decodeClippedJpeg(good, QSize()).isNull());
    QVERIFY(!ui::common::decodeClippedJpeg(good, QSize(10, 10)).isNull());
}

void TestShell::prefetchedPicturesLoadAsReadDirectly()
{
    PictureTree tree({});
    QFile damaged(tree.dir.filePath(u"img/gen/lang.png"_s));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("\x89PNG but nothing after it");
    damaged.close();
    ui::common::ErrorReporter::instance().setRecording(true);
    ui::common::ErrorReporter::instance().clearRecorded();

    QWidget window;
    Picture::prefetch({{u"img/gen/background.jpg"_s, Picture::Sizing::Background},
                       {u"img/gen/logo.png"_s, Picture::Sizing::Auto},
                       {u"img/gen/lang.png"_s, Picture::Sizing::Auto}});
    Picture background(u"Background"_s, Picture::Sizing::Background, &window);
    Picture logo(u"Logo"_s, Picture::Sizing::Auto, &window);
    Picture bar(u"Bar"_s, Picture::Sizing::Auto, &window);
    QVERIFY(background.load(u"img/gen/background.jpg"_s));
    QVERIFY(logo.load(u"img/gen/logo.png"_s));
    // Sized from the file at once; a damaged file is found and told as without a prefetch.
    const QImage expected = QImage(tree.dir.filePath(u"img/gen/logo.png"_s)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(logo.size(), expected.size());
    QVERIFY(!bar.load(u"img/gen/lang.png"_s));
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
    Picture::endPrefetch();

    window.resize(400, 300);
    window.show();
    QVERIFY(background.hasPicture() && logo.hasPicture());
    QCOMPARE(logo.pixmap().toImage(), expected);
    QVERIFY(!background.pixmap().isNull());
    QCOMPARE(ui::common::ErrorReporter::instance().recorded().size(), 1);
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
