#include "core/picture.h"
#include "testenv.h"

#include <QtTest>

#include <cstdio>

#include <jpeglib.h>

namespace {
// A solid-colour JPEG written with libjpeg itself, so the test does not depend on Qt's
// image plugins.
QByteArray encodeJpeg(int width, int height, QRgb colour)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[size_t(x) * 3] = static_cast<unsigned char>(qRed(colour));
        row[size_t(x) * 3 + 1] = static_cast<unsigned char>(qGreen(colour));
        row[size_t(x) * 3 + 2] = static_cast<unsigned char>(qBlue(colour));
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return out;
}

void writeHost(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}
} // namespace

class TestPicture : public QObject
{
    Q_OBJECT
private slots:
    void jpegAndBitmap()
    {
        testsupport::TestEnv env;
        env.makeDrive(QLatin1Char('c'));
        writeHost(env.root() + QStringLiteral("/c/Back.JPEG"), encodeJpeg(64, 40, qRgb(200, 40, 20)));
        QString error;
        const QImage jpeg = core::LoadPicture(QStringLiteral("C:\\back.jpeg"), &error);
        QVERIFY2(!jpeg.isNull(), qPrintable(error));
        QCOMPARE(jpeg.size(), QSize(64, 40));
        const QColor c = jpeg.pixelColor(30, 20);
        QVERIFY(qAbs(c.red() - 200) < 8 && qAbs(c.green() - 40) < 8 && qAbs(c.blue() - 20) < 8);

        QImage bmp(10, 6, QImage::Format_RGB32);
        bmp.fill(qRgb(1, 2, 3));
        QVERIFY(bmp.save(env.root() + QStringLiteral("/c/I1.bmp"), "BMP"));
        QCOMPARE(core::LoadPicture(QStringLiteral("C:\\i1.BMP")).size(), QSize(10, 6));
    }

    void failuresCarryTheLoadersMessage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("startsWith");
        QTest::newRow("missing") << "none.bmp" << QByteArray() << "Cannot open file";
        QTest::newRow("truncated jpeg") << "cut.jpg" << encodeJpeg(32, 32, qRgb(0, 0, 0)).left(40) << "JPEG error: ";
        QTest::newRow("not a jpeg") << "text.jpg" << QByteArray("hello") << "JPEG error: ";
        QTest::newRow("not a bitmap") << "text.bmp" << QByteArray("hello") << "Bitmap image is not valid";
    }
    void failuresCarryTheLoadersMessage()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, startsWith);
        testsupport::TestEnv env;
        env.makeDrive(QLatin1Char('c'));
        if (!content.isEmpty())
            writeHost(env.root() + QStringLiteral("/c/") + name, content);
        QString error;
        QVERIFY(core::LoadPicture(QStringLiteral("C:\\") + name, &error).isNull());
        QVERIFY2(error.startsWith(startsWith), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestPicture)
#include "tst_picture.moc"
