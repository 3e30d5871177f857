// The least a Qt Widgets program does to show a window: the yardstick for
// the program's own start-up in startup-vs-bare.sh. One maximised label,
// painted once, then the program ends.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

namespace {

class QuitOnFirstPaint : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Torvane"));
    label.setAlignment(Qt::AlignCenter);
    QuitOnFirstPaint quit;
    label.installEventFilter(&quit);
    label.showMaximized();
    return app.exec();
}
