#include "ui/common/picture.h"

#include "base/assetpath.h"
#include "ui/common/errorreporter.h"
#include "ui/common/clippedjpeg.h"

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
#include <future>
#include <map>
#include <memory>
#include <thread>
#include <vector>

namespace torvane::ui::common {

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

// One file to decode: everything a decode needs, so it can run on any thread.
struct Request {
    QString path;
    qreal ratio = 1;
    QSize clip; // invalid: the whole picture
    QString key;
};

Request requestFor(const QString &path, bool clipToVisible, qreal ratio)
{
    Request request{path, ratio, clipToVisible ? visibleArea(ratio) : QSize(), {}};
    // The file's time and size are in the key, so a replaced file is read again.
    const QFileInfo info(path);
    request.key = u"%1|%2|%3x%4|%5|%6"_s.arg(path).arg(ratio).arg(request.clip.width()).arg(request.clip.height())
                      .arg(info.lastModified().toMSecsSinceEpoch()).arg(info.size());
    return request;
}

// On a high density screen the double size picture beside the file, when
// there is one, keeps the picture sharp at the same logical size.
QString doubledPath(const QString &path)
{
    const QFileInfo info(path);
    return info.path() + u'/' + info.completeBaseName() + u"@2x."_s + info.suffix();
}

// Pictures are PNG or JPEG files, told apart by their name's ending.
enum class Format { Png, Jpeg, Other };

Format formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png"_s)
        return Format::Png;
    if (suffix == u"jpg"_s || suffix == u"jpeg"_s)
        return Format::Jpeg;
    return Format::Other;
}

// The reader is told the format: left to guess, Qt loads every image plugin
// there is to ask each whether it reads the file.
void setFormatByName(QImageReader &reader, const QString &path)
{
    switch (formatOf(path)) {
    case Format::Png: reader.setFormat("png"); break;
    case Format::Jpeg: reader.setFormat("jpeg"); break;
    case Format::Other: return;
    }
    reader.setAutoDetectImageFormat(false);
}

QSize sizeOf(const QString &path)
{
    QImageReader reader(path);
    setFormatByName(reader, path);
    return reader.size();
}

QImage decode(const Request &request, QString *error)
{
    if (request.clip.isValid() && formatOf(request.path) == Format::Jpeg) {
        QFile file(request.path);
        if (file.open(QIODevice::ReadOnly)) {
            QImage image = decodeClippedJpeg(file.readAll(), request.clip);
            if (!image.isNull()) {
                image.setDevicePixelRatio(request.ratio);
                return image;
            }
        }
        // Not one the clipped decoder takes: read the general way below.
    }
    QImageReader reader(request.path);
    setFormatByName(reader, request.path);
    if (request.clip.isValid()) {
        const QSize full = reader.size();
        if (full.isValid() && (full.width() > request.clip.width() || full.height() > request.clip.height()))
            reader.setClipRect(QRect(QPoint(0, 0), full.boundedTo(request.clip)));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = reader.errorString();
        return {};
    }
    // The form a pixmap keeps pictures with transparency in, made here in
    // place (and on the worker, for a prefetch) rather than as a copy later.
    if (image.format() == QImage::Format_ARGB32)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(request.ratio);
    return image;
}

// Every screen shows the same few files: each is decoded once per process.
// Emptied with the application: a pixmap must not outlive it.
QHash<QString, QPixmap> &pixmapCache()
{
    static QHash<QString, QPixmap> *cache = [] {
        auto *pictures = new QHash<QString, QPixmap>;
        qAddPostRoutine([] { cache->clear(); });
        return pictures;
    }();
    return *cache;
}

// Decodes started ahead of their load(), by key; each is taken once.
std::map<QString, std::future<QImage>> &prefetched()
{
    static std::map<QString, std::future<QImage>> decodes;
    return decodes;
}

QPixmap readShared(const Request &request, QString *error)
{
    QHash<QString, QPixmap> &cache = pixmapCache();
    if (const auto found = cache.constFind(request.key); found != cache.cend())
        return *found;
    QImage image;
    if (const auto ahead = prefetched().find(request.key); ahead != prefetched().end()) {
        image = ahead->second.get(); // moved out: the pixmap below takes the pixels without a copy
        prefetched().erase(ahead);
    }
    if (image.isNull())
        image = decode(request, error); // also words the error of a prefetch that failed
    if (image.isNull())
        return {};
    // A 24-bit background stays 24-bit rather than padded to 32.
    const Qt::ImageConversionFlags flags = image.format() == QImage::Format_RGB888 ? Qt::NoFormatConversion : Qt::AutoColor;
    QPixmap pixmap = QPixmap::fromImage(std::move(image), flags);
    cache.insert(request.key, pixmap);
    return pixmap;
}

// The request load() makes for a relative name at a device pixel ratio.
Request requestForName(const QString &relativeName, bool clip, qreal ratio)
{
    const QString path = base::AssetPath::of(relativeName);
    if (ratio > 1) {
        const QString doubled = doubledPath(path);
        if (QFileInfo::exists(doubled))
            return requestFor(doubled, clip, 2);
    }
    return requestFor(path, clip, 1);
}

// What load() shows for a relative name: the file of its request (the double
// size one on a dense screen), else the plain file; a failure is reported.
QPixmap readForLoad(const Request &request, const QString &relativeName, bool clip)
{
    QString error;
    QPixmap pixmap = readShared(request, &error);
    if (pixmap.isNull() && request.ratio > 1) // a double size file that cannot be read: the plain one
        pixmap = readShared(requestFor(base::AssetPath::of(relativeName), clip, 1), &error);
    if (pixmap.isNull()) {
        const QString path = base::AssetPath::of(relativeName);
        const QString reason = QFileInfo::exists(path) ? error : u"No such file."_s;
        ui::common::ErrorReporter::instance().reportMissingFile(path, reason);
    }
    return pixmap;
}

} // namespace

void Picture::prefetch(const QList<std::pair<QString, Sizing>> &pictures)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1;
    QList<Request> requests;
    for (const auto &[name, sizing] : pictures) {
        Request request = requestForName(name, sizing == Sizing::Background, ratio);
        if (QFileInfo::exists(request.path) && !prefetched().count(request.key))
            requests.append(request);
    }
    if (requests.isEmpty())
        return;
    // One worker decodes them in order; each load() waits only for its own.
    auto promises = std::make_shared<std::vector<std::promise<QImage>>>(requests.size());
    for (qsizetype i = 0; i < requests.size(); ++i)
        prefetched().emplace(requests[i].key, (*promises)[std::size_t(i)].get_future());
    std::thread([requests, promises] {
        for (qsizetype i = 0; i < requests.size(); ++i)
            (*promises)[std::size_t(i)].set_value(decode(requests[i], nullptr));
    }).detach();
}

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
    m_pending = {};
    const bool clip = m_sizing == Sizing::Background;
    const Request request = requestForName(m_source, clip, devicePixelRatioF());
    if (const auto ahead = prefetched().find(request.key); ahead != prefetched().end()) {
        // Decoding on the worker: the control takes its size from the file's
        // header now and its pixels when it is first shown.
        const QSize size = m_sizing == Sizing::Auto ? sizeOf(request.path) : QSize();
        if (size.isValid() || m_sizing != Sizing::Auto) {
            m_pending = [this, request, source = m_source, clip] { show(readForLoad(request, source, clip)); };
            if (m_sizing == Sizing::Auto)
                resize((QSizeF(size) / request.ratio).toSize());
            return true;
        }
    }
    const QPixmap pixmap = readForLoad(request, m_source, clip);
    show(pixmap);
    return !pixmap.isNull();
}

QPixmap Picture::readFile(const QString &path, qreal ratio)
{
    return readShared(requestFor(path, false, ratio), nullptr);
}

void Picture::endPrefetch()
{
    prefetched().clear(); // a decode no load asked for (another screen's ratio, say)
}

bool Picture::hasPicture() const
{
    const_cast<Picture *>(this)->takePending();
    return !m_original.isNull();
}

void Picture::takePending()
{
    if (m_pending)
        std::exchange(m_pending, {})();
}

bool Picture::event(QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Paint)
        takePending();
    return ClickableLabel::event(event);
}

void Picture::setBuiltIn(const QPixmap &pixmap)
{
    m_source.clear();
    m_pending = {};
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

} // namespace torvane::ui::common
