#pragma once

#include "ui/common/clickablelabel.h"

#include <QPixmap>

#include <functional>
#include <utility>

namespace torvane::ui::common {

// A picture control that loads its file by relative name from beside the
// executable. A file that cannot be read is reported once, the control is
// left empty and the caller carries on.
class Picture : public ClickableLabel
{
    Q_OBJECT
public:
    enum class Sizing {
        Auto,       // the control takes the picture's size
        Fit,        // scaled into the control's size, keeping proportions
        Stretch,    // stretched over the control's size
        Background, // drawn at its own size from the top left; the control covers its parent
    };

    Picture(const QString &name, Sizing sizing, QWidget *parent);

    // Loads a picture file; returns false (after reporting) when it cannot be read.
    bool load(const QString &relativeName);
    // Starts decoding pictures on a worker thread, for loads that follow:
    // such a load sizes the control at once and waits for its pixels only
    // when the control is first shown.
    static void prefetch(const QList<std::pair<QString, Sizing>> &pictures);
    static void endPrefetch();
    // A picture file (or resource) read whole and kept, the way load() reads
    // and keeps its files; null when it cannot be read.
    static QPixmap readFile(const QString &path, qreal devicePixelRatio = 1);
    // Shows a picture compiled into the program.
    void setBuiltIn(const QPixmap &pixmap);
    // Size kept by an auto-sized control whose picture is missing, so a button stays usable.
    void setFallbackSize(const QSize &size) { m_fallback = size; }

    // Relative name of the last file asked for (with forward slashes).
    QString source() const { return m_source; }
    bool hasPicture() const;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QPixmap &pixmap);
    void refit();
    void takePending();

    Sizing m_sizing;
    QPixmap m_original;
    QString m_source;
    QSize m_fallback;
    std::function<void()> m_pending; // shows a picture decoded on the worker
};

} // namespace torvane::ui::common
