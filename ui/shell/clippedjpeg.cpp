#include "ui/shell/clippedjpeg.h"

#include <QByteArray>

#include <algorithm>
#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace torvane::shell {

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

// Plain C state only between setjmp and longjmp: nothing here has a
// destructor that a failed decode would skip.
bool decodeInto(const unsigned char *bytes, unsigned long size, QSize clip, unsigned char *pixels, qsizetype stride,
                unsigned char *row, JDIMENSION rowCapacity, int *width, int *height)
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
    if (info.jpeg_color_space != JCS_YCbCr && info.jpeg_color_space != JCS_RGB && info.jpeg_color_space != JCS_GRAYSCALE) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_RGB; // the byte order of QImage::Format_RGB888
    jpeg_start_decompress(&info);
    const JDIMENSION wanted = std::min<JDIMENSION>(info.output_width, JDIMENSION(clip.width()));
    const JDIMENSION rows = std::min<JDIMENSION>(info.output_height, JDIMENSION(clip.height()));
    JDIMENSION left = 0;
    JDIMENSION cropped = wanted;
    if (wanted < info.output_width)
        jpeg_crop_scanline(&info, &left, &cropped); // widened to whole blocks
    if (cropped > rowCapacity || left != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < rows) {
        JSAMPROW target = row;
        jpeg_read_scanlines(&info, &target, 1);
        std::memcpy(pixels + qsizetype(info.output_scanline - 1) * stride, row, std::size_t(wanted) * 3);
    }
    // The rows below the clip are never decoded.
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    *width = int(wanted);
    *height = int(rows);
    return true;
}

bool headerSize(const QByteArray &data, int *width, int *height)
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
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()), (unsigned long)data.size());
    jpeg_read_header(&info, TRUE);
    *width = int(info.image_width);
    *height = int(info.image_height);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeClippedJpeg(const QByteArray &data, QSize clip)
{
    if (data.size() < 4 || !clip.isValid() || clip.isEmpty())
        return {};
    int fullWidth = 0;
    int fullHeight = 0;
    if (!headerSize(data, &fullWidth, &fullHeight) || fullWidth <= 0 || fullHeight <= 0)
        return {};
    const QSize size = QSize(fullWidth, fullHeight).boundedTo(clip);
    // Three bytes a pixel: a background as large as the screen is the
    // program's largest picture, and a fourth byte would only be padding.
    QImage image(size, QImage::Format_RGB888);
    if (image.isNull())
        return {};
    // A whole row of the picture: the crop is widened to whole blocks.
    std::vector<unsigned char> row(std::size_t(fullWidth) * 3);
    int width = 0;
    int height = 0;
    if (!decodeInto(reinterpret_cast<const unsigned char *>(data.constData()), (unsigned long)data.size(), size,
                    image.bits(), image.bytesPerLine(), row.data(), JDIMENSION(fullWidth), &width, &height))
        return {};
    if (QSize(width, height) != size)
        return {};
    return image;
}

} // namespace torvane::shell
