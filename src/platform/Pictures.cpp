#include "Pictures.h"

#include "Units.h"
#include "core/RegularFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cmath>

namespace {

// A camera's largest photo as a bitmap fits; a file beyond it is no photo for a card.
constexpr qint64 MaxPictureFileBytes = 256 * 1024 * 1024;

} // namespace

Outcome<QImage> LoadPicture(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    const auto failure = [&path](const QString &reason) {
        return Failure{QStringLiteral("Cannot load the picture \"%1\": %2").arg(path, reason)};
    };
    Outcome<QByteArray> bytes = readRegularFile(path, MaxPictureFileBytes);
    if (!bytes)
        return failure(bytes.error());
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return failure(reader.errorString());
    return picture;
}

Outcome<QByteArray> bitmapBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // At 96 dpi: a photo of 206 x 272 pixels is 3090 x 4080 twips wherever it is read.
    QImage bitmap = picture.convertToFormat(QImage::Format_RGB32);
    bitmap.setDotsPerMeterX(ScreenDotsPerMeter);
    bitmap.setDotsPerMeterY(ScreenDotsPerMeter);
    if (!bitmap.save(&buffer, "BMP"))
        return Failure{QStringLiteral("the picture could not be encoded as a bitmap.")};
    return bytes;
}

Outcome<QByteArray> pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        return Failure{QStringLiteral("the picture could not be encoded as a PNG file.")};
    return bytes;
}

QImage screenPicture(const QSize &pixels, const QColor &colour)
{
    QImage picture(pixels, QImage::Format_RGB32);
    picture.setDotsPerMeterX(ScreenDotsPerMeter);
    picture.setDotsPerMeterY(ScreenDotsPerMeter);
    picture.fill(colour);
    return picture;
}

namespace {

constexpr double MetersPerInch = 0.0254;
constexpr double HimetricPerInch = 2540;
constexpr int UnstatedDpi = 96;

// Qt gives a picture whose file stores no resolution the resolution of the screen, the same as a
// picture made in memory; both count as 96 dpi. A stored resolution is a whole number of dpi.
QSizeF dpiOf(const QImage &picture)
{
    static const QImage unstated(1, 1, QImage::Format_RGB32);
    const auto dpi = [](int dotsPerMeter, int unstatedDotsPerMeter) {
        if (dotsPerMeter <= 0 || dotsPerMeter == unstatedDotsPerMeter)
            return double(UnstatedDpi);
        return std::max(1.0, std::round(dotsPerMeter * MetersPerInch));
    };
    return QSizeF(dpi(picture.dotsPerMeterX(), unstated.dotsPerMeterX()),
                  dpi(picture.dotsPerMeterY(), unstated.dotsPerMeterY()));
}

QSize perInch(const QImage &picture, double unitsPerInch)
{
    const QSizeF dpi = dpiOf(picture);
    return QSize(int(std::lround(picture.width() * unitsPerInch / dpi.width())),
                 int(std::lround(picture.height() * unitsPerInch / dpi.height())));
}

} // namespace

QSize naturalSizeTwips(const QImage &picture)
{
    return perInch(picture, TwipsPerInch);
}

QSize naturalSizeHimetric(const QImage &picture)
{
    return perInch(picture, HimetricPerInch);
}

QImage picturePart(const QImage &picture, const QRect &twips)
{
    return picture.copy(picturePixels(picture, twips).toAlignedRect());
}

QRectF picturePixels(const QImage &picture, const QRectF &twips)
{
    const QSizeF dpi = dpiOf(picture);
    const double x = dpi.width() / TwipsPerInch;
    const double y = dpi.height() / TwipsPerInch;
    return QRectF(twips.x() * x, twips.y() * y, twips.width() * x, twips.height() * y);
}

void bitBlt(QImage &target, QPoint at, const QImage &source, RasterOp op)
{
    if (target.format() != QImage::Format_RGB32 && target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    const QRect area = QRect(at, pixels.size()).intersected(target.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(target.scanLine(y));
        const auto *from = reinterpret_cast<const QRgb *>(pixels.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb value = from[x - at.x()] & 0x00FFFFFF;
            const QRgb alpha = line[x] & 0xFF000000;
            line[x] = alpha | (op == RasterOp::And ? (line[x] & value) : (line[x] | value));
        }
    }
}

namespace {

// An uncompressed 24-bit bitmap compiled into the program, decoded here: the image readers would
// first look through every image plugin installed, the dearest step of the program's start.
QImage compiledBitmap(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = file.readAll();
    const auto number = [&](int at, int size) {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | quint8(bytes[at + i]);
        return value;
    };
    if (bytes.size() < 54 || !bytes.startsWith("BM") || number(28, 2) != 24 || number(30, 4) != 0)
        return QImage(resource);
    const int width = int(number(18, 4));
    const int height = int(number(22, 4));
    const qsizetype offset = number(10, 4);
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    if (width <= 0 || height <= 0 || width > 256 || height > 256 ||
        offset + rowBytes * height > bytes.size())
        return QImage(resource);
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        // Rows run from the bottom up, each pixel blue, green, red.
        const auto *row = reinterpret_cast<const uchar *>(bytes.constData()) + offset +
                          rowBytes * (height - 1 - y);
        auto *pixels = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            pixels[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    }
    return image;
}

} // namespace

QPixmap smallLogo()
{
    QImage logo =
        compiledBitmap(QStringLiteral(":/logo36.bmp")).convertToFormat(QImage::Format_ARGB32);
    const QImage mask =
        compiledBitmap(QStringLiteral(":/logo36mask.bmp")).convertToFormat(QImage::Format_RGB32);
    if (mask.size() != logo.size())
        return QPixmap::fromImage(logo);
    for (int y = 0; y < logo.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(logo.scanLine(y));
        const auto *masked = reinterpret_cast<const QRgb *>(mask.constScanLine(y));
        for (int x = 0; x < logo.width(); ++x)
            pixels[x] =
                qRgba(qRed(pixels[x]), qGreen(pixels[x]), qBlue(pixels[x]), 255 - qGray(masked[x]));
    }
    return QPixmap::fromImage(logo);
}
