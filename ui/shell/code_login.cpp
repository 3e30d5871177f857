#include "ui/shell/code_login.h"

#include "base/pictures.h"
#include "ui/common/errorreporter.h"
#include "ui/common/languagesetting.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/qttranslations.h"
#include "ui/common/picture.h"
#include "ui/shell/screenframe.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>

namespace torvane::ui::shell {

using namespace Qt::StringLiterals;

TForm_login::TForm_login(QWidget *parent)
    : ScreenHost(parent)
    , m_qtTranslations(std::make_unique<ui::common::QtTranslations>())
{
    setObjectName(u"Form_login"_s);
    setWindowTitle(u"Torvane"_s);
    setAutoFillBackground(true);

    Background1 = new common::Picture(u"Background1"_s, common::Picture::Sizing::Background, this);
    Image1 = new common::Picture(u"Image1"_s, common::Picture::Sizing::Auto, this);
    Image2 = new common::Picture(u"Image2"_s, common::Picture::Sizing::Auto, this);
    Image2->setClickable(true);
    Image2->setFallbackSize(base::pictures::kEnterButtonSize); // still enterable without its picture
    Image2->setAccessibleName(u"Enter"_s);
    Image3 = new common::Picture(u"Image3"_s, common::Picture::Sizing::Auto, this);

    const auto makeLanguageLabel = [this](const QString &name, const QString &text) {
        auto *label = new common::ClickableLabel(name, this);
        label->setText(text);
        label->setAlignment(Qt::AlignCenter);
        label->setClickable(true);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(0x00, 0xff, 0x00)); // lime
        palette.setColor(QPalette::WindowText, QColor(0x00, 0x80, 0x00)); // green
        label->setPalette(palette);
        label->setContentsMargins(3, 1, 3, 1);
        label->adjustSize();
        return label;
    };
    Label1 = makeLanguageLabel(u"Label1"_s, u"FR"_s);
    Label2 = makeLanguageLabel(u"Label2"_s, u"RU"_s);
    Label3 = makeLanguageLabel(u"Label3"_s, u"EN"_s);
    Label1->setAccessibleName(u"Français"_s);
    Label2->setAccessibleName(u"Русский"_s);
    Label3->setAccessibleName(u"English"_s);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(u"Edit1"_s);
    Edit1->setText(u"1"_s);
    Edit1->hide();
    Edit1->setVisible(false);

    Timer1 = new ui::common::OneShotTimer(u"Timer1"_s, 100, this);
    Timer1->setHandler([this] { Timer1Timer(); });

    connect(Image2, &common::ClickableLabel::clicked, this, [this] { ui::common::guarded([this] { Image2Click(); }); });
    connect(Label1, &common::ClickableLabel::clicked, this, [this] { Label1Click(); });
    connect(Label2, &common::ClickableLabel::clicked, this, [this] { Label2Click(); });
    connect(Label3, &common::ClickableLabel::clicked, this, [this] { Label3Click(); });

    // Qt's own buttons and dialogs speak the messages' language until one is chosen.
    m_qtTranslations->use(ui::common::ErrorReporter::instance().language());
    FormCreate();
}

TForm_login::~TForm_login() = default;

int TForm_login::language() const
{
    return Edit1->text().toInt();
}

void TForm_login::prefetchPictures()
{
    namespace pictures = base::pictures;
    common::Picture::prefetch({{pictures::startBackgroundFile(), common::Picture::Sizing::Background},
                               {pictures::logoFile(), common::Picture::Sizing::Auto},
                               {pictures::enterButtonFile(), common::Picture::Sizing::Auto},
                               {pictures::languageBarFile(), common::Picture::Sizing::Auto}});
}

void TForm_login::FormCreate()
{
    const ui::common::ErrorReporter::Batch pictures;
    langin = 1;
    // A missing picture is reported and left empty; the start screen still
    // lays itself out, so the program can always be entered.
    Background1->load(base::pictures::startBackgroundFile());
    Image1->load(base::pictures::logoFile());
    Image2->load(base::pictures::enterButtonFile());
    Image3->load(base::pictures::languageBarFile());
    Timer1->switchOn();
}

void TForm_login::Timer1Timer()
{
    centre();
    m_laidOut = true;
    Timer1->switchOff();
}

void TForm_login::centre()
{
    // Integer divisions truncate toward zero, also for negative offsets.
    const int W = width();
    const int H = height();
    Image1->move((W - Image1->width()) / 2, (H - Image1->height()) / 2);
    Image2->move((W - Image2->width()) / 2, Image1->y() + Image1->height() + 20);
    Image3->move((W - Image3->width()) / 2, Image2->y() + Image2->height() + 10);
    const int g = (Image3->width() - Label1->width() - Label2->width() - Label3->width()) / 4;
    Label1->move(Image3->x() + g, Image3->y() + 3);
    Label2->move(Image3->x() + 2 * g + Label1->width(), Image3->y() + 3);
    Label3->move(Image3->x() + 3 * g + Label1->width() + Label2->width(), Image3->y() + 3);
    for (QWidget *label : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3)})
        label->raise();
}

void TForm_login::chooseLanguage(int code, common::ClickableLabel *bold)
{
    Edit1->setText(QString::number(code));
    const base::Language language = base::Language(code);
    ui::common::ErrorReporter::instance().setLanguage(language);
    // The next start speaks it before anything is chosen.
    common::rememberLanguage(language);
    // Qt's own buttons and dialogs follow the chosen language.
    m_qtTranslations->use(language);
    for (common::ClickableLabel *label : {Label1, Label2, Label3}) {
        QFont font = label->font();
        font.setBold(label == bold);
        label->setFont(font);
        label->adjustSize();
    }
    if (m_laidOut)
        centre();
    emit languageChosen(code);
}

void TForm_login::Label1Click() { chooseLanguage(0, Label1); }
void TForm_login::Label2Click() { chooseLanguage(1, Label2); }
void TForm_login::Label3Click() { chooseLanguage(2, Label3); }

void TForm_login::Image2Click()
{
    if (auto *menu = findChild<ScreenFrame *>(u"Form_main"_s, Qt::FindDirectChildrenOnly))
        menu->present();
}

void TForm_login::closeEvent(QCloseEvent *event)
{
    if (m_closeGuard && !m_closeGuard()) {
        event->ignore();
        return;
    }
    event->accept();
    ui::common::ErrorReporter::instance().closeAll();
    QCoreApplication::quit();
}

void TForm_login::resizeEvent(QResizeEvent *event)
{
    // The start layout runs once, 100 ms after creation; a window manager
    // that maximises the window later would leave the logo off centre, so
    // every size change after that first layout centres it again.
    if (m_laidOut)
        centre();
    ScreenHost::resizeEvent(event);
}

} // namespace torvane::ui::shell
