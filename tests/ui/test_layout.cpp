// Every screen in every language at common screen sizes: texts whole, no
// overlaps, nothing out of reach. Run without TORVANE_LAYOUT_SIZE, the program
// runs itself once per size on an offscreen screen of that size.

#include "testsupport.h"

#include "model/sectionlist.h"
#include "ui/budget/budgetactions.h"
#include "ui/shell/code_main.h"
#include "ui/common/picture.h"
#include "ui/common/torvaneapplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>

#include <cstdio>

using namespace torvane;
using namespace torvane::test;

namespace {

constexpr const char *kSizeVariable = "TORVANE_LAYOUT_SIZE";
struct ScreenSize {
    QSize size; // logical pixels
    int ratio;  // device pixels per logical pixel
};
const ScreenSize kSizes[] = {{{800, 600}, 1}, {{1024, 768}, 1}, {{1366, 768}, 1}, {{1920, 1080}, 1}, {{1366, 768}, 2}};

QSize sizeUnderTest()
{
    const QList<QByteArray> parts = qgetenv(kSizeVariable).split('x');
    return parts.size() >= 2 ? QSize(parts[0].toInt(), parts[1].toInt()) : QSize();
}

QString describe(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : widget->objectName();
}

// Frames and backdrops that other controls stand on by design.
bool isBackdrop(const QWidget *widget, const QWidget *window)
{
    const QString name = widget->objectName();
    if (name == u"Background1"_s || name == u"Background2"_s)
        return true;
    if (window->objectName() == u"Form_consult"_s && name == u"Image1"_s)
        return true; // the contact card the labels are written on
    if (window->objectName() == u"Form_login"_s && name == u"Image3"_s)
        return true; // the language bar under the three language labels
    return false;
}

bool isControl(const QWidget *widget, const QWidget *window)
{
    if (widget->window() != window || !widget->isVisibleTo(window) || widget->size().isEmpty()
        || isBackdrop(widget, window))
        return false;
    if (auto *picture = qobject_cast<const ui::common::Picture *>(widget))
        return picture->hasPicture() || picture->isClickable();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QScrollArea *>(widget);
}

// The scroll area content a widget stands in, or null for the window itself.
QWidget *contentOf(const QWidget *widget)
{
    for (QWidget *p = widget->parentWidget(); p; p = p->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr);
            area && area->widget() == p)
            return p;
    return nullptr;
}

bool insideAnotherControl(const QWidget *widget, const QSet<const QWidget *> &controls)
{
    for (const QWidget *p = widget->parentWidget(); p; p = p->parentWidget())
        if (controls.contains(p) && !qobject_cast<const QScrollArea *>(p))
            return true;
    return false;
}

QString textProblem(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->pixmap().isNull() == false || label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const int needed = label->heightForWidth(label->width());
            if (needed > label->height())
                return u"wraps to %1 px in %2 px"_s.arg(needed).arg(label->height());
            return {};
        }
        const QSize needed = label->fontMetrics().size(0, label->text());
        if (needed.width() > room.width() || needed.height() > room.height())
            return u"needs %1x%2 in %3x%4"_s.arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
        return {};
    }
    if (auto *button = qobject_cast<const QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return {};
        const QFontMetrics metrics = button->fontMetrics();
        const int width = button->width() - 8;
        if (button->isCheckable()) { // a tab: wrapped
            const QRect needed = metrics.boundingRect(QRect(0, 0, width, 10000), Qt::AlignCenter | Qt::TextWordWrap,
                                                      button->text().simplified());
            // More than two lines only in a button made taller for them.
            const bool taller = button->height() > 30;
            if (needed.width() > width || needed.height() > button->height() - 2
                || (!taller && needed.height() > 2 * metrics.lineSpacing() + 1))
                return u"caption needs %1x%2 in %3x%4"_s.arg(needed.width()).arg(needed.height()).arg(width)
                    .arg(button->height());
            return {};
        }
        if (metrics.horizontalAdvance(button->text()) > width || metrics.height() > button->height())
            return u"caption does not fit"_s;
    }
    return {};
}

// Every check on one window as it stands; failures are collected as text.
QStringList problemsOf(QWidget *window)
{
    QStringList problems;
    QList<QWidget *> all;
    QSet<const QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (isControl(widget, window)) {
            all.append(widget);
            controls.insert(widget);
        }
    QHash<QWidget *, QList<QWidget *>> byPlane; // null: the window
    for (QWidget *widget : std::as_const(all))
        if (!insideAnotherControl(widget, controls))
            byPlane[contentOf(widget)].append(widget);

    for (QWidget *widget : std::as_const(all))
        if (const QString problem = textProblem(widget); !problem.isEmpty())
            problems << u"%1 \"%2\": %3"_s.arg(describe(widget), widget->property("text").toString(), problem);

    for (auto it = byPlane.cbegin(); it != byPlane.cend(); ++it) {
        QWidget *plane = it.key();
        const QList<QWidget *> &widgets = it.value();
        QHash<const QWidget *, QRect> rects;
        for (QWidget *widget : widgets)
            rects.insert(widget, plane ? QRect(widget->mapTo(plane, QPoint(0, 0)), widget->size())
                                       : QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()));
        // Reach: within the window, or within what the scroll area can show.
        QRect reach = window->rect();
        if (plane) {
            auto *area = qobject_cast<QScrollArea *>(plane->parentWidget()->parentWidget());
            QSize size = plane->minimumSize().expandedTo(area->viewport()->size());
            if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
                size.setWidth(area->viewport()->width());
            reach = QRect(QPoint(0, 0), size);
        }
        for (QWidget *widget : widgets)
            if (!reach.contains(rects[widget]))
                problems << u"%1 at (%2,%3 %4x%5) is outside (%6x%7)%8"_s.arg(describe(widget))
                                .arg(rects[widget].x()).arg(rects[widget].y()).arg(rects[widget].width())
                                .arg(rects[widget].height()).arg(reach.width()).arg(reach.height())
                                .arg(plane ? u" of "_s + describe(plane) : QString());
        for (int i = 0; i < widgets.size(); ++i)
            for (int j = i + 1; j < widgets.size(); ++j)
                if (rects[widgets[i]].intersects(rects[widgets[j]]))
                    problems << u"%1 overlaps %2"_s.arg(describe(widgets[i]), describe(widgets[j]));
    }
    return problems;
}

void verifyLayout(QWidget *window, const QString &where)
{
    const QStringList problems = problemsOf(window);
    QVERIFY2(problems.isEmpty(), qPrintable(where + u":\n  "_s + problems.join(u"\n  "_s)));
}

QStringList innerScreens()
{
    QStringList names{u"Form_main"_s, u"Form_faq"_s, u"Form_consult"_s};
    for (const model::SectionCatalogue *catalogue : model::allCatalogues())
        names << QString::fromUtf16(catalogue->screenName);
    return names;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase() { m_screens.reset(); }

    void screenFitsItsTexts_data();
    void screenFitsItsTexts();
    void startScreenFits();
    void shownTabIsMarked_data();
    void shownTabIsMarked();
    void resizeLaysOutAgainAndKeepsEntries_data();
    void resizeLaysOutAgainAndKeepsEntries();
    void doubleSizePictureOnDenseScreens_data();
    void doubleSizePictureOnDenseScreens();
    void qtDialogsSpeakTheChosenLanguage_data();
    void qtDialogsSpeakTheChosenLanguage();

private:
    ui::shell::ScreenFrame *open(const QString &name, int language)
    {
        m_screens->setLanguage(language);
        auto *screen = m_screens->screen<ui::shell::ScreenFrame>(name);
        if (!screen && name == u"Form_followup"_s) { // made on first use
            ui::budget::BudgetActions::actionOf(m_screens->login.get(), ui::budget::BudgetActions::Id::FollowUp)->trigger();
            screen = m_screens->screen<ui::shell::ScreenFrame>(name);
        }
        screen->hide();
        screen->present();
        settle(screen);
        return screen;
    }

    std::unique_ptr<Screens> m_screens;
    QSize m_size;
    int m_ratio = 1;
};

void TestLayout::initTestCase()
{
    m_size = sizeUnderTest();
    QVERIFY2(m_size.isValid(), "run without TORVANE_LAYOUT_SIZE to test every size");
    QCOMPARE(QGuiApplication::primaryScreen()->size(), m_size);
    const QList<QByteArray> parts = qgetenv(kSizeVariable).split('x');
    m_ratio = parts.size() > 2 ? parts[2].toInt() : 1;
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), qreal(m_ratio));
    m_screens = std::make_unique<Screens>(m_size);
    m_screens->login->showMaximized();
    settle(m_screens->login.get());
    // The window frame takes a few pixels of the screen.
    QVERIFY(m_screens->login->width() > m_size.width() - 20 && m_screens->login->height() > m_size.height() - 40);
    m_size = m_screens->login->size();
}

void TestLayout::screenFitsItsTexts_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("language");
    static const char *const languages[] = {"fr", "ru", "en"};
    const QStringList names = innerScreens() + QStringList{u"Form_followup"_s};
    for (const QString &name : names)
        for (int language = 0; language < 3; ++language)
            QTest::addRow("%s %s", qPrintable(name), languages[language]) << name << language;
}

void TestLayout::screenFitsItsTexts()
{
    QFETCH(QString, screen);
    QFETCH(int, language);
    ui::shell::ScreenFrame *frame = open(screen, language);
    if (auto *section = qobject_cast<ui::sections::SectionScreen *>(frame)) {
        for (int t = 1; t <= section->catalogue().tabCount(); ++t) {
            section->Button[t - 1]->click();
            QCoreApplication::processEvents();
            verifyLayout(frame, u"tab %1"_s.arg(t));
        }
    } else {
        verifyLayout(frame, screen);
    }
    frame->hide();
}

void TestLayout::startScreenFits()
{
    for (int language = 0; language < 3; ++language) {
        m_screens->setLanguage(language);
        QCoreApplication::processEvents();
        verifyLayout(m_screens->login.get(), u"start"_s);
    }
}

void TestLayout::shownTabIsMarked_data()
{
    QTest::addColumn<QString>("screen");
    for (const model::SectionCatalogue *catalogue : model::allCatalogues())
        QTest::newRow(qPrintable(QString::fromUtf16(catalogue->screenName))) << QString::fromUtf16(catalogue->screenName);
}

void TestLayout::shownTabIsMarked()
{
    QFETCH(QString, screen);
    auto *section = qobject_cast<ui::sections::SectionScreen *>(open(screen, 2));
    const int T = section->catalogue().tabCount();
    const auto marked = [&] {
        QList<int> tabs;
        for (int t = 1; t <= T; ++t)
            if (section->Button[t - 1]->isChecked())
                tabs << t;
        return tabs;
    };
    QCOMPARE(marked(), QList<int>{section->currentTab()});
    for (int t : {T, 1, T}) {
        section->Button[t - 1]->click();
        QCOMPARE(section->currentTab(), t);
        QCOMPARE(marked(), QList<int>{t});
        section->Button[t - 1]->click(); // the shown tab clicked again stays shown and marked
        QCOMPARE(section->currentTab(), t);
        QCOMPARE(marked(), QList<int>{t});
    }
    section->hide();
}

void TestLayout::resizeLaysOutAgainAndKeepsEntries_data()
{
    QTest::addColumn<QString>("screen");
    for (const QString &name : innerScreens())
        QTest::newRow(qPrintable(name)) << name;
}

void TestLayout::resizeLaysOutAgainAndKeepsEntries()
{
    QFETCH(QString, screen);
    ui::shell::TForm_login *login = m_screens->login.get();
    for (const QString &name : innerScreens())
        m_screens->screen<QWidget>(name)->hide();
    ui::shell::ScreenFrame *frame = open(screen, 2);
    auto *section = qobject_cast<ui::sections::SectionScreen *>(frame);
    if (section) {
        for (QComboBox *box : section->findChildren<QComboBox *>())
            if (box->count() > 0) {
                box->setCurrentIndex(box->count() - 1);
                break;
            }
        settle(section);
        for (QLineEdit *field : section->findChildren<QLineEdit *>())
            if (!field->isReadOnly() && field->isVisibleTo(section) && field->objectName().startsWith(u"Edit1"_s)) {
                field->setText(u"3"_s);
                break;
            }
        settle(section);
    }
    const auto entries = [&] {
        QStringList texts;
        if (section)
            for (QWidget *widget : section->findChildren<QWidget *>()) {
                if (auto *box = qobject_cast<QComboBox *>(widget))
                    texts << box->objectName() + u'=' + QString::number(box->currentIndex());
                else if (auto *field = qobject_cast<QLineEdit *>(widget))
                    texts << field->objectName() + u'=' + field->text();
            }
        texts.sort();
        return texts;
    };
    const QStringList before = entries();
    const auto hidden = m_screens->screen<ui::shell::ScreenFrame>(screen == u"Form_faq"_s ? u"Form_main"_s : u"Form_faq"_s);
    QVERIFY(hidden->isHidden());

    const QSize smaller = m_size - QSize(m_size.width() / 8, m_size.height() / 10);
    for (QSize size : {smaller, m_size}) {
        login->resize(size);
        QCoreApplication::processEvents();
        QCOMPARE(login->size(), size);
        // No deferred step: the resize itself placed the controls.
        QCOMPARE(frame->Background2->x(), 0);
        QCOMPARE(frame->ImageTitle->pos(), QPoint(40, 50));
        QVERIFY(frame->ImageLogo->geometry().bottom() < size.height());
        if (section) {
            for (QScrollArea *box : std::as_const(section->ScrollBox))
                QCOMPARE(box->width(), size.width() - frame->Background2->width() - 100);
            QVERIFY(section->TotalsPanel->geometry().bottom() < size.height());
        }
        QCOMPARE(entries(), before);
    }
    // A hidden screen takes the size when it is next shown.
    login->resize(smaller);
    QCoreApplication::processEvents();
    ui::shell::ScreenFrame *next = open(hidden->objectName(), 2);
    QVERIFY(next->ImageLogo->geometry().bottom() < smaller.height());
    login->resize(m_size);
    QCoreApplication::processEvents();
    next->hide();
    frame->hide();
}

void TestLayout::doubleSizePictureOnDenseScreens_data()
{
    QTest::addColumn<bool>("doubled"); // a name@2x file stands beside the picture
    QTest::newRow("with @2x") << true;
    QTest::newRow("1x only") << false;
}

void TestLayout::doubleSizePictureOnDenseScreens()
{
    QFETCH(bool, doubled);
    QTemporaryDir root;
    QDir().mkpath(root.filePath(u"img/gen"_s));
    QImage small(40, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(root.filePath(u"img/gen/tile.png"_s)));
    if (doubled) {
        QImage large(80, 40, QImage::Format_RGB32);
        large.fill(Qt::blue);
        QVERIFY(large.save(root.filePath(u"img/gen/tile@2x.png"_s)));
    }
    base::AssetPath::setRootForTesting(root.path());
    QWidget window;
    window.resize(200, 100);
    window.show();
    ui::common::Picture autoSized(u"AutoPicture"_s, ui::common::Picture::Sizing::Auto, &window);
    ui::common::Picture fitted(u"FitPicture"_s, ui::common::Picture::Sizing::Fit, &window);
    fitted.resize(100, 50);
    const bool loaded = autoSized.load(u"img/gen/tile.png"_s) && fitted.load(u"img/gen/tile.png"_s);
    base::AssetPath::setRootForTesting({});
    QVERIFY(loaded);
    QCOMPARE(autoSized.size(), QSize(40, 20)); // logical size whatever the file
    QCOMPARE(fitted.size(), QSize(100, 50));
    const bool sharp = doubled && m_ratio > 1;
    QCOMPARE(autoSized.pixmap().devicePixelRatio(), sharp ? 2.0 : 1.0);
    QCOMPARE(autoSized.pixmap().toImage().pixelColor(0, 0), sharp ? QColor(Qt::blue) : QColor(Qt::red));
    QCOMPARE(fitted.pixmap().devicePixelRatio(), qreal(m_ratio));
    QCOMPARE(fitted.pixmap().deviceIndependentSize().toSize(), QSize(100, 50));
}

void TestLayout::qtDialogsSpeakTheChosenLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("fr") << 0 << u"qtbase_fr"_s;
    QTest::newRow("ru") << 1 << u"qtbase_ru"_s;
    QTest::newRow("en") << 2 << QString();
}

void TestLayout::qtDialogsSpeakTheChosenLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, catalogue);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!catalogue.isEmpty() && !QFile::exists(folder + u'/' + catalogue + u".qm"_s))
        QSKIP("Qt's own translations are not installed (qt6-translations-l10n)");
    ui::shell::TForm_login *login = m_screens->login.get();
    // Through the other languages first, so a translation left behind shows.
    for (int other : {0, 1, 2})
        if (other != language)
            (other == 0 ? login->Label1Click() : other == 1 ? login->Label2Click() : login->Label3Click());
    (language == 0 ? login->Label1Click() : language == 1 ? login->Label2Click() : login->Label3Click());
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    const QString cancel = buttons.button(QDialogButtonBox::Cancel)->text().remove(u'&');
    if (catalogue.isEmpty())
        QCOMPARE(cancel, u"Cancel"_s);
    else if (language == 0)
        QCOMPARE(cancel, u"Annuler"_s);
    else
        QCOMPARE(cancel, u"Отмена"_s);
}

// Without a size: one run of this program per size, each on an offscreen
// screen of exactly that size.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet(kSizeVariable)) {
        QCoreApplication app(argc, argv);
        QTemporaryDir scratch;
        int failed = 0;
        for (const auto &[size, ratio] : kSizes) {
            const QString tag = u"%1x%2"_s.arg(size.width()).arg(size.height())
                + (ratio > 1 ? u"x%1"_s.arg(ratio) : QString());
            const QString config = scratch.filePath(tag + u".json"_s);
            QFile json(config);
            if (!json.open(QIODevice::WriteOnly))
                return 1;
            json.write(u"{\"screens\":[{\"name\":\"s\",\"x\":0,\"y\":0,\"width\":%1,\"height\":%2,\"logicalDpi\":96,\"dpr\":%3}]}"_s
                           .arg(size.width()).arg(size.height()).arg(ratio).toUtf8());
            json.close();
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QString::fromLatin1(kSizeVariable), tag);
            environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen:configfile="_s + config);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            std::printf("=== screen %s ===\n", qPrintable(tag));
            std::fflush(stdout);
            child.start(QCoreApplication::applicationFilePath(), app.arguments().mid(1));
            if (!child.waitForFinished(-1) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
                std::printf("=== screen %s failed ===\n", qPrintable(tag));
                ++failed;
            }
        }
        return failed ? 1 : 0;
    }
    QApplication app(argc, argv);
    ui::common::TorvaneApplication::configure(app);
    QTEST_SET_MAIN_SOURCE_PATH
    TestLayout test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_layout.moc"
