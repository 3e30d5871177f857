#include "ui/shell/code_faq.h"

#include "base/language.h"
#include "base/localizedtext.h"
#include "ui/common/oneshottimer.h"
#include "ui/common/clickablelabel.h"
#include "ui/common/picture.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace torvane::ui::shell {

using namespace Qt::StringLiterals;

namespace {
constexpr base::LocalizedText kTitle{u"FAQ", u"Вопросы и ответы", u"FAQ"};

// Odd entries are the questions, even ones their answers.
constexpr base::LocalizedText kTexts[20] = {
    {u"1. Pour quoi le présent programme est-il nécessaire?", u"1. Для чего необходима данная программа?",
     u"1. What is this software for? "},
    {u"Le présent software permet de calculer le coût relatif à l’organisation du pavillon à l’DAZO-2017.",
     u"Данный софт позволяет расчитать стоимость по организации павильона на DAZO-2017",
     u"This software allows to calculate the cost to organize the pavilion at DAZO-2017"},
    {u"2. Faut-il s’enregistrer pour commencer à travailler au présent software?",
     u"2. Нужно ли регистрироваться для начала работы в этой программе?",
     u"2. Does it require registration before getting started with this software?"},
    {u"Non, pour travailler au présent software l’enregistrement n’est pas obligatoire.",
     u"Нет, для работы в программе регистрация не нужна.", u"No, registration is not required."},
    {u"3. Comment le calcul se fait-il?", u"3. Как проводится расчет?", u"3. How does the calculation happen?"},
    {u"Après ce que vous avez choisi tous les points intéressants, le sofrware fait le calcul lui-même.",
     u"После того, как вы выберете все интересующие Вас пункты, программа сделает расчет сам",
     u"After selecting all the items that you are interested in, the program will make the calculation itself."},
    {u"4. D’où les prix se proviennent-ils?", u"4. Откуда берут цены?", u"4. Where are the prices taken from?"},
    {u"De fait, ce sont des prix moyens au marché de Kazakhstan.", u"Фактические усредненные цены на рынке Казахстана.",
     u"The prices are actual average market prices in Kazakhstan"},
    {u"5. Dans quelles devises on fait des calculs?", u"5. В какой валюте проводятся расчеты?",
     u"5. What is the currency of the calculation?"},
    {u"Tengué.", u"Тенге.", u"Tenge"},
    {u"6. Est-il possible d’installer ce software sur le téléphone portable ou il n’est destiné qu’au PC?",
     u"6. Можно ли установить эту программу на телефон или она только для платформы ПК?",
     u"6. Can this software be installed on the phone, or it is only for the PC platform?"},
    {u"Le programme est seulement adopté pour Windows PC.", u"Программа адаптирована только для Windows PC",
     u"The software is designed for Windows PC only."},
    {u"7. Est-il possible de garder les reprises faites antérieurement?",
     u"7. Можно ли сохранить ранее сделанные правки?", u"7. Is it possible to save the previously made changes?"},
    {u"Il est possible de former un rapport en Excel.", u"Можно сформировать отчет в файле excel.",
     u"It allows to generate a report in Excel file."},
    {u"8. Est-il nécessaire d’avoir un accès d’Interner  permanent pour travailler avec ce programme?",
     u"8. Необходимо ли постоянное подключение к интернету для работы с программой?",
     u"8. Does it require a constant internet connection to work in the program?"},
    {u"Non, le programme peut marcher offline.", u"Нет, программа может работать оффлайн.",
     u"No, the software can work offline."},
    {u"9. Qu’est-ce que je dois faire si j’ai des questions?", u"9. Что делать если у меня возникли вопросы?",
     u"9. What should I do in case I have questions?"},
    {u"Dans chaque section il y a la touche \"consultant\" où vous pouvez vous adresser au spécialiste et préciser les questions qui vous intéressent.",
     u"В каждом разделе есть кнопка \"консультант\", где вы можете связаться со специалистом и уточнить интересующие вас вопросы.",
     u"Each section has “Consultant” button, where you can contact a specialist and clarify all your questions."},
    {u"10. Quelles unités de mesure sont-elles au software?", u"10. Какие единицы измерения стоят в софте?",
     u"10. What are the measure units in the software?"},
    {u"Le software travaille avec les unités de mesure du système СИ (SI).",
     u"Софт работает с единицами измерения системы СИ.", u"The software works with SI measure units."},
};
} // namespace

TForm_faq::TForm_faq(ScreenHost *login)
    : ScreenFrame(u"Form_faq"_s, kTitle, login)
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(u"ScrollBox1"_s);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The keyboard scrolls the answers; the panel shows when it has the focus.
    ScrollBox1->setFocusPolicy(Qt::StrongFocus);
    ScrollBox1->setStyleSheet(u"#ScrollBox1:focus { border: 3px solid %1; }"_s.arg(common::kFocusRing.name()));
    auto *panel = new QWidget;
    panel->setObjectName(u"ScrollBox1Content"_s);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    ScrollBox1->setWidget(panel);

    for (int i = 1; i <= 22; ++i) {
        auto *label = new QLabel(panel);
        label->setObjectName(u"Label%1"_s.arg(i));
        Label[i - 1] = label;
    }
    // Design texts until the first show: the Russian ones.
    for (int i = 1; i <= 20; ++i)
        Label[i - 1]->setText(text(i, base::Language::Russian));
    for (int i = 1; i <= 21; i += 2)
        Label[i - 1]->move(i == 21 ? 32 : 56, 0);
    QFont heading = Label[21]->font();
    heading.setPixelSize(21);
    heading.setBold(true);
    Label[21]->setFont(heading);
    Label[21]->setText(u"F. A. Q."_s);
    Label[21]->move(0, 9);
    // Selectable text costs each label a text document: made when the
    // screen is first shown, not at start-up. (The heading is sized by the
    // layout step.)
    whenFirstShown([this] {
        for (QLabel *label : Label)
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    });

    Timer1->setHandler([this] { Timer1Timer(); });
    FormCreate();
}

QString TForm_faq::text(int i, base::Language language)
{
    return (i >= 1 && i <= 20) ? kTexts[i - 1].in(language) : QString();
}

void TForm_faq::FormCreate()
{
    Timer1->switchOn();
}

void TForm_faq::showContent()
{
    if (base::isLanguage(langin))
        for (int i = 1; i <= 20; ++i)
            Label[i - 1]->setText(text(i, language()));
    ScrollBox1->verticalScrollBar()->setValue(0);
}

void TForm_faq::Timer1Timer()
{
    layoutFrame();
    ScrollBox1->setGeometry(contentRect());
    const int panelWidth = ScrollBox1->width();
    int previousBottom = 0;
    for (int i = 1; i <= 21; ++i) {
        QLabel *label = Label[i - 1];
        QFont font = label->font();
        font.setPointSize(14);
        font.setBold(i % 2 == 1); // questions stand out from their answers
        label->setFont(font);
        label->setWordWrap(true);
        int left = label->x();
        int width = panelWidth;
        if (i % 2 == 0) {
            left = 50;
            width = panelWidth - 150;
        } else {
            left = i == 21 ? 32 : 56;
            // Keep the question's end inside the panel instead of under its right edge.
            width = panelWidth - left - 30;
        }
        width = std::max(width, 40);
        const int height = label->hasHeightForWidth() ? label->heightForWidth(width) : label->sizeHint().height();
        // Labels stand 55 pixels apart; a text that wraps to more lines pushes
        // the next one down instead of running over it.
        const int top = std::max(55 * i + 40, previousBottom + 8);
        label->setGeometry(left, top, width, std::max(height, label->fontMetrics().height()));
        previousBottom = label->geometry().bottom();
    }
    Label[21]->adjustSize();
    Label[21]->move((panelWidth - Label[21]->width()) / 2, 9);
    ScrollBox1->widget()->setMinimumSize(0, Label[20]->geometry().bottom() + 20);
    Timer1->switchOff();
}

} // namespace torvane::ui::shell
