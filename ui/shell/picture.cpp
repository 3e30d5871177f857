#include "ui/shell/picture.h"

#include "base/assetpath.h"
#include "ui/errorreporter.h"

#include <QEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace torvane::shell {

using namespace Qt::StringLiterals;

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
            QImage image = QImageReader(doubled).read();
            if (!image.isNull()) {
                image.setDevicePixelRatio(2);
                show(QPixmap::fromImage(image));
                return true;
            }
        }
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        const QString reason = QFileInfo::exists(path) ? reader.errorString() : u"No such file."_s;
        ui::ErrorReporter::instance().reportMissingFile(path, reason);
        show(QPixmap());
        return false;
    }
    show(QPixmap::fromImage(image));
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
