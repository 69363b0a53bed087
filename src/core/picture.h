#pragma once

#include <QImage>
#include <QString>

namespace core {

// Loads a screen background: JPEG ("jpg", "jpeg") through libjpeg, anything else (bitmaps)
// through QImage. On failure returns a null image and sets `error` to the loader's message.
QImage LoadPicture(const QString& path, QString* error = nullptr);
QImage DecodeJpeg(const QByteArray& data, QString* error = nullptr);

} // namespace core
