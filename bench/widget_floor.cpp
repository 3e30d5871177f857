// The least any design pays for what the program makes before its first
// paint: the same widgets by Qt class as bench_startup counts for the
// program, in twelve hidden windows, and a start window showing the same
// background picture, decoded on a second thread while the widgets are made
// (as the program does). Measured with startup-vs-bare.sh (third argument),
// it shows Qt's own cost of that start-up next to the bare window. With
// --inventory it prints its widgets by class instead.

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <cstring>
#include <future>
#include <map>
#include <memory>
#include <thread>
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

// The program's start-up, counted by bench_startup (Qt class: widgets).
// Scroll areas bring their viewport, two scroll bars and two bar holders;
// the spin box its line edit; the start window here is one of the labels
// and stands for the program's start screen, a plain widget.
constexpr int kWindows = 12;
constexpr int kLineEdits = 859 - 1;
constexpr int kComboBoxes = 398;
constexpr int kLabels = 449 - 1;
constexpr int kPushButtons = 50;
constexpr int kScrollAreas = 44;
constexpr int kFrames = 10;
constexpr int kToolButtons = 9;

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const bool inventoryOnly = argc > 1 && std::strcmp(argv[1], "--inventory") == 0;

    const QString background = QCoreApplication::applicationDirPath() + QStringLiteral("/img/gen/background.jpg");
    const QSize visible = QGuiApplication::primaryScreen()->size();
    std::promise<QImage> decoded;
    std::future<QImage> picture = decoded.get_future();
    std::thread decoder([&decoded, background, visible] {
        QImageReader reader(background);
        const QSize full = reader.size();
        if (full.isValid())
            reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(visible)));
        decoded.set_value(reader.read());
    });

    std::vector<std::unique_ptr<QWidget>> windows;
    for (int w = 0; w < kWindows; ++w)
        windows.push_back(std::make_unique<QWidget>());
    const auto window = [&windows](int i) { return windows[std::size_t(i % kWindows)].get(); };
    for (int i = 0; i < kScrollAreas; ++i) {
        auto *area = new QScrollArea(window(i));
        area->setWidget(new QWidget);
    }
    for (int i = 0; i < kLineEdits; ++i)
        new QLineEdit(window(i));
    // Empty, as the program's are until their screen's texts are put in
    // after the first paint: the floor is the least these widgets cost.
    for (int i = 0; i < kComboBoxes; ++i)
        new QComboBox(window(i));
    for (int i = 0; i < kLabels; ++i)
        new QLabel(window(i));
    for (int i = 0; i < kPushButtons; ++i)
        new QPushButton(window(i));
    for (int i = 0; i < kFrames; ++i)
        new QFrame(window(i));
    for (int i = 0; i < kToolButtons; ++i)
        new QToolButton(window(i));
    new QDoubleSpinBox(window(0));
    new QMenu(window(1));
    new QWidget(window(2));

    QLabel start;
    start.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    decoder.join();
    start.setPixmap(QPixmap::fromImage(picture.get()));

    if (inventoryOnly) {
        std::map<QByteArray, int> inventory;
        int total = 1;
        ++inventory[start.metaObject()->className()];
        for (const auto &w : windows) {
            ++inventory[w->metaObject()->className()];
            ++total;
            for (const QWidget *child : w->findChildren<QWidget *>()) {
                ++inventory[child->metaObject()->className()];
                ++total;
            }
        }
        std::printf("widgets: %d\n", total);
        for (const auto &[name, count] : inventory)
            std::printf("  %-20s %5d\n", name.constData(), count);
        return 0;
    }

    QuitOnFirstPaint quit;
    start.installEventFilter(&quit);
    start.showMaximized();
    return app.exec();
}
