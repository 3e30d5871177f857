#include "ui/shell/code_consult.h"

#include "base/language.h"
#include "base/localizedtext.h"
#include "base/pictures.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/picture.h"

#include <QLabel>

#include <algorithm>
#include <tuple>

namespace torvane::ui::shell {

using namespace Qt::StringLiterals;

// Contacts of the demonstration build; nobody answers them.
const QString TForm_consult::kEmail = u"consultant@torvane.example.com"_s;
const QString TForm_consult::kPhone = u"+7 (700) 555-01-00"_s;

namespace {
constexpr base::LocalizedText kTitle{u"Consultant", u"Консультант", u"Consultant"};
constexpr base::LocalizedText kHeading{u"", u"Контактная информация:", u"Contacts:"};
constexpr base::LocalizedText kPhoneCaption{u"", u"Телефон:", u"Phone:"};

QLabel *contactLabel(QWidget *parent, const QString &name, int pixelSize, QPoint designPosition)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->move(designPosition);
    return label;
}
} // namespace

TForm_consult::TForm_consult(ScreenHost *login)
    : ScreenFrame(u"Form_consult"_s, kTitle, login)
{
    Image1 = new common::Picture(u"Image1"_s, common::Picture::Sizing::Stretch, this);
    Label1 = contactLabel(this, u"Label1"_s, 16, {304, 171});
    Label6 = contactLabel(this, u"Label6"_s, 16, {304, 237});
    Label2 = contactLabel(this, u"Label2"_s, 27, {390, 226});
    Label4 = contactLabel(this, u"Label4"_s, 16, {304, 300});
    Label5 = contactLabel(this, u"Label5"_s, 20, {393, 297});
    Label1->setText(kHeading.in(base::Language::Russian));
    Label6->setText(kPhoneCaption.in(base::Language::Russian));
    Label2->setText(kPhone);
    Label4->setText(u"E-mail:"_s);
    Label5->setText(kEmail);
    // Selectable text costs each label a text document: made when the
    // screen is first shown, not at start-up.
    whenFirstShown([this] {
        for (QLabel *label : {Label1, Label2, Label4, Label5, Label6})
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    });
    Timer1->setHandler([this] { Timer1Timer(); });
    FormCreate();
}

void TForm_consult::FormCreate()
{
    Timer1->switchOn();
}

void TForm_consult::showContent()
{
    Image1->load(base::pictures::contactCardFile());
    if (base::isLanguage(langin)) {
        Label1->setText(kHeading.in(language()));
        Label6->setText(kPhoneCaption.in(language()));
    }
    // Sized at each show, as their texts follow the language; not at
    // start-up, where each would cost a font.
    for (QLabel *label : {Label1, Label2, Label4, Label5, Label6})
        label->adjustSize();
}

void TForm_consult::Timer1Timer()
{
    layoutFrame();
    Image1->setGeometry(contentRect());
    Image1->lower();
    Background1->lower();
    for (QLabel *label : {Label1, Label4, Label6})
        label->move(Image1->x() + 40, label->y());
    for (QLabel *label : {Label5, Label2})
        label->move(Image1->x() + 130, label->y());
    // A contact too wide for the card beside its caption stands under it.
    for (auto [value, caption, top] : {std::tuple{Label2, Label6, 226}, std::tuple{Label5, Label4, 297}}) {
        if (Image1->x() + 130 + value->width() > Image1->geometry().right() - 10)
            value->move(caption->x(), caption->y() + caption->height() + 2);
        else
            value->move(Image1->x() + 130, top);
    }
    Timer1->switchOff();
}

} // namespace torvane::ui::shell
