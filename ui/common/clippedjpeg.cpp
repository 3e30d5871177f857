#include "ui/common/clippedjpeg.h"

#include <QByteArray>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace torvane::ui::common {

namespace {

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void failDecode(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// Where the decoded rows go, made once the header has given the size; it
// lives in the caller's frame, which a failed decode returns to normally.
struct Target
{
    QImage image;
    std::vector<unsigned char> row; // one whole row: the crop widens to whole blocks
};

unsigned char *prepare(Target &target, QSize size, int fullWidth)
{
    // Three bytes a pixel: a background as large as the screen is the
    // program's largest picture, and a fourth byte would only be padding.
    target.image = QImage(size, QImage::Format_RGB888);
    target.row.resize(std::size_t(fullWidth) * 3);
    return target.image.isNull() ? nullptr : target.image.bits();
}

// Plain C state only between setjmp and longjmp: nothing in this frame has a
// destructor that a failed decode would skip.
bool decodeInto(const unsigned char *bytes, unsigned long size, QSize clip, Target &target)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecode;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    if ((info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB && info.jpeg_color_space != JCS_GRAYSCALE)
        || info.image_width == 0 || info.image_height == 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_RGB; // the byte order of QImage::Format_RGB888
    jpeg_start_decompress(&info);
    const JDIMENSION wanted = std::min<JDIMENSION>(info.output_width, JDIMENSION(clip.width()));
    const JDIMENSION rows = std::min<JDIMENSION>(info.output_height, JDIMENSION(clip.height()));
    unsigned char *pixels = prepare(target, QSize(int(wanted), int(rows)), int(info.output_width));
    const qsizetype stride = target.image.bytesPerLine();
    JDIMENSION left = 0;
    JDIMENSION cropped = wanted;
    if (wanted < info.output_width)
        jpeg_crop_scanline(&info, &left, &cropped); // widened to whole blocks
    if (!pixels || left != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < rows) {
        JSAMPROW row = target.row.data();
        jpeg_read_scanlines(&info, &row, 1);
        std::memcpy(pixels + qsizetype(info.output_scanline - 1) * stride, target.row.data(), std::size_t(wanted) * 3);
    }
    // The rows below the clip are never decoded.
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeClippedJpeg(const QByteArray &data, QSize clip)
{
    if (data.size() < 4 || !clip.isValid() || clip.isEmpty())
        return {};
    Target target;
    if (!decodeInto(reinterpret_cast<const unsigned char *>(data.constData()), (unsigned long)data.size(), clip, target))
        return {};
    return target.image;
}

} // namespace torvane::ui::common
