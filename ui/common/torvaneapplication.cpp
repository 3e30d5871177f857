#include "ui/common/torvaneapplication.h"

#include "ui/common/errorreporter.h"
#include "ui/common/picture.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>

namespace torvane::ui::common {

using namespace Qt::StringLiterals;

TorvaneApplication::TorvaneApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    configure(*this);
}

bool TorvaneApplication::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    guarded([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

void TorvaneApplication::setIcon(QApplication &app)
{
    app.setWindowIcon(QIcon(ui::common::Picture::readFile(u":/torvane/icon.png"_s)));
}

void TorvaneApplication::configure(QApplication &app)
{
    app.setApplicationName(u"Torvane"_s);
    app.setApplicationDisplayName(u"Torvane"_s);
    app.setApplicationVersion(QStringLiteral("1.0.0"));
    app.setDesktopFileName(u"com.example.Torvane"_s);
    // Tahoma is rarely installed on this platform; fall back to fonts that carry
    // Cyrillic and French accents. Only installed families are named: one that
    // is missing costs Qt a search through the system's fonts for a stand-in.
    QStringList families;
    for (const QString &family : {u"Tahoma"_s, u"DejaVu Sans"_s, u"Liberation Sans"_s})
        if (QFontDatabase::hasFamily(family))
            families.append(family);
    if (families.isEmpty())
        families.append(u"Tahoma"_s); // fontconfig's own stand-in then
    app.setFont(QFont(families, 8));
    // The start screen is the main window: closing it ends the program even
    // while other screens are open (it quits explicitly).
    app.setQuitOnLastWindowClosed(false);
}

} // namespace torvane::ui::common
