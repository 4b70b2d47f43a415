#include "Pictures.h"

#include "Units.h"
#include "core/AtomicSave.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

Outcome<QImage> LoadPicture(const QString &path)
{
    if (path.isEmpty())
        return QImage();
    if (!QFileInfo::exists(path))
        return Failure{
            QStringLiteral("Cannot load the picture \"%1\": the file does not exist.").arg(path)};
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage picture = reader.read();
    if (picture.isNull())
        return Failure{
            QStringLiteral("Cannot load the picture \"%1\": %2").arg(path, reader.errorString())};
    return picture;
}

Outcome<void> SavePicture(const QImage &picture, const QString &path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        return Failure{
            QStringLiteral("Cannot save the picture \"%1\": it could not be encoded.").arg(path)};
    return saveFileAtomically(path, bytes);
}

QSize naturalSizeTwips(const QImage &picture)
{
    return picture.size() * TwipsPerPixel;
}

QSize naturalSizeHimetric(const QImage &picture)
{
    // 1 inch = 2540 hundredths of a millimetre = 96 pixels.
    const auto himetric = [](int pixels) { return int(std::lround(pixels * 2540.0 / 96.0)); };
    return QSize(himetric(picture.width()), himetric(picture.height()));
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
