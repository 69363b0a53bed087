#include "core/picture.h"

#include "platform/drives.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace core {

namespace {
struct JpegError
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char text[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info)
{
    auto* error = reinterpret_cast<JpegError*>(info->err);
    (*info->err->format_message)(info, error->text);
    std::longjmp(error->jump, 1);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}
} // namespace

QImage DecodeJpeg(const QByteArray& data, QString* error)
{
    jpeg_decompress_struct info{};
    JpegError jerr{};
    info.err = jpeg_std_error(&jerr.manager);
    jerr.manager.error_exit = onJpegError;
    // Everything that must survive the long jump lives outside this frame's registers.
    static thread_local QImage image;
    image = QImage();
    if (setjmp(jerr.jump)) {
        jpeg_destroy_decompress(&info);
        setError(error, QStringLiteral("JPEG error: ") + QString::fromLatin1(jerr.text));
        image = QImage();
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage result = image;
    image = QImage();
    return result;
}

QImage LoadPicture(const QString& path, QString* error)
{
    const QString host = platform::Drives::resolve(path);
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        return {};
    }
    const QByteArray data = file.readAll();
    const QString suffix = QFileInfo(host).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return DecodeJpeg(data, error);
    QImage image;
    if (!image.loadFromData(data)) {
        setError(error, QStringLiteral("Bitmap image is not valid: \"%1\".").arg(path));
        return {};
    }
    return image;
}

} // namespace core
