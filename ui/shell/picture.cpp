#include "ui/shell/picture.h"

#include "base/assetpath.h"
#include "ui/errorreporter.h"
#include "ui/shell/clippedjpeg.h"

#include <QDateTime>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QScreen>

#include <algorithm>

namespace torvane::shell {

using namespace Qt::StringLiterals;

namespace {

// Largest area any window can show, in device pixels: a background drawn
// from the top left is never seen beyond it, so the rest is not decoded.
QSize visibleArea(qreal ratio)
{
    QSize area;
    for (const QScreen *screen : QGuiApplication::screens())
        area = area.expandedTo(screen->availableSize() * std::max(ratio, screen->devicePixelRatio()));
    return area;
}

// Every screen shows the same few files: each is decoded once per process.
// The file's time and size are in the key, so a replaced file is read again.
QPixmap readShared(const QString &path, bool clipToVisible, qreal ratio, QString *error)
{
    const QFileInfo info(path);
    const QSize clip = clipToVisible ? visibleArea(ratio) : QSize();
    const QString key = u"%1|%2|%3x%4|%5|%6"_s.arg(path).arg(ratio).arg(clip.width()).arg(clip.height())
                            .arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size());
    // Emptied with the application: a pixmap must not outlive it.
    static QHash<QString, QPixmap> *cache = [] {
        auto *pictures = new QHash<QString, QPixmap>;
        qAddPostRoutine([] { cache->clear(); });
        return pictures;
    }();
    if (const auto found = cache->constFind(key); found != cache->cend())
        return *found;
    if (clip.isValid() && (path.endsWith(u".jpg"_s, Qt::CaseInsensitive) || path.endsWith(u".jpeg"_s, Qt::CaseInsensitive))) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            QImage image = decodeClippedJpeg(file.readAll(), clip);
            if (!image.isNull()) {
                image.setDevicePixelRatio(ratio);
                QPixmap pixmap = QPixmap::fromImage(std::move(image));
                cache->insert(key, pixmap);
                return pixmap;
            }
        }
        // Not one the clipped decoder takes: read the general way below.
    }
    QImageReader reader(path);
    if (clip.isValid()) {
        const QSize full = reader.size();
        if (full.isValid() && (full.width() > clip.width() || full.height() > clip.height()))
            reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(clip)));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return QPixmap();
    }
    image.setDevicePixelRatio(ratio);
    QPixmap pixmap = QPixmap::fromImage(std::move(image));
    cache->insert(key, pixmap);
    return pixmap;
}

} // namespace

Picture::Picture(const QString &name, Sizing sizing, QWidget *parent)
    : ClickableLabel(name, parent)
    , m_sizing(sizing)
{
    switch (sizing) {
    case Sizing::Auto: break;
    case Sizing::Fit: setAlignment(Qt::AlignCenter); break;
    case Sizing::Stretch: setScaledContents(true); break;
    case Sizing::Background:
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (parent) {
            parent->installEventFilter(this);
            setGeometry(parent->rect());
        }
        lower();
        break;
    }
}

bool Picture::load(const QString &relativeName)
{
    m_source = relativeName;
    m_source.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = base::AssetPath::of(m_source);
    // On a high density screen the double size picture beside the file, when
    // there is one, keeps the picture sharp at the same logical size.
    if (devicePixelRatioF() > 1) {
        const QFileInfo info(path);
        const QString doubled = info.path() + u'/' + info.completeBaseName() + u"@2x."_s + info.suffix();
        if (QFileInfo::exists(doubled)) {
            const QPixmap pixmap = readShared(doubled, m_sizing == Sizing::Background, 2, nullptr);
            if (!pixmap.isNull()) {
                show(pixmap);
                return true;
            }
        }
    }
    QString error;
    const QPixmap pixmap = readShared(path, m_sizing == Sizing::Background, 1, &error);
    if (pixmap.isNull()) {
        const QString reason = QFileInfo::exists(path) ? error : u"No such file."_s;
        ui::ErrorReporter::instance().reportMissingFile(path, reason);
        show(QPixmap());
        return false;
    }
    show(pixmap);
    return true;
}

void Picture::setBuiltIn(const QPixmap &pixmap)
{
    m_source.clear();
    show(pixmap);
}

void Picture::show(const QPixmap &pixmap)
{
    m_original = pixmap;
    if (m_sizing == Sizing::Auto) {
        if (!pixmap.isNull())
            resize(pixmap.deviceIndependentSize().toSize());
        else if (m_fallback.isValid())
            resize(m_fallback);
    }
    refit();
}

void Picture::refit()
{
    if (m_sizing == Sizing::Fit && !m_original.isNull() && !size().isEmpty()) {
        // Scaled in device pixels, so a double size picture stays sharp.
        const qreal ratio = std::max(devicePixelRatioF(), m_original.devicePixelRatio());
        QPixmap scaled = m_original.scaled(size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        setPixmap(scaled);
    } else
        setPixmap(m_original);
}

void Picture::resizeEvent(QResizeEvent *event)
{
    ClickableLabel::resizeEvent(event);
    if (m_sizing == Sizing::Fit)
        refit();
}

bool Picture::eventFilter(QObject *watched, QEvent *event)
{
    if (m_sizing == Sizing::Background && watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return ClickableLabel::eventFilter(watched, event);
}

} // namespace torvane::shell
