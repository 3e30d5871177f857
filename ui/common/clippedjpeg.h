#pragma once

#include <QImage>
#include <QSize>

class QByteArray;

namespace torvane::ui::common {

// Decodes the top left corner of a JPEG picture, at most clip in size,
// straight into 24-bit pixels (QImage::Format_RGB888). Only the rows and
// column blocks inside the clip are decoded: a background made for the
// largest screens costs on a small one only what it shows. Returns a null image when the data is not
// a JPEG this decoder handles (CMYK, say) or is damaged; the caller then
// reads the file the general way, which also words the error.
QImage decodeClippedJpeg(const QByteArray &data, QSize clip);

} // namespace torvane::ui::common
