// The least any design pays for the program's widgets: as many line edits,
// option boxes and labels as the section grids hold, created hidden in
// twelve hidden windows, and one maximised window painted once. Measured
// with startup-vs-bare.sh (third argument), it shows Qt's own cost per
// widget, next to the bare window.

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <memory>
#include <vector>

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
    constexpr int kWindows = 12, kEdits = 854, kBoxes = 398, kLabels = 400;
    std::vector<std::unique_ptr<QWidget>> windows;
    for (int w = 0; w < kWindows; ++w)
        windows.push_back(std::make_unique<QWidget>());
    for (int i = 0; i < kEdits; ++i)
        new QLineEdit(windows[i % kWindows].get());
    for (int i = 0; i < kBoxes; ++i) {
        auto *box = new QComboBox(windows[i % kWindows].get());
        box->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    }
    for (int i = 0; i < kLabels; ++i)
        new QLabel(QStringLiteral("Label %1").arg(i), windows[i % kWindows].get());

    QLabel label(QStringLiteral("Torvane"));
    label.setAlignment(Qt::AlignCenter);
    QuitOnFirstPaint quit;
    label.installEventFilter(&quit);
    label.showMaximized();
    return app.exec();
}
