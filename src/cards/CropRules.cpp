#include "CropRules.h"

#include "platform/Pictures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace CropRules {

namespace {

constexpr int ZoomStepPercent = 5;
constexpr int SmallestZoomPercent = 5;
constexpr int LargestFittingPercent = 100;
constexpr int StepsPerView = 20;

} // namespace

int fittingZoomPercent(const QSize &naturalTwips)
{
    int percent = LargestFittingPercent;
    while (percent > SmallestZoomPercent &&
           (qint64(naturalTwips.width()) * percent > qint64(ViewportTwips.width()) * 100 ||
            qint64(naturalTwips.height()) * percent > qint64(ViewportTwips.height()) * 100))
        percent -= ZoomStepPercent;
    return percent;
}

int zoomedIn(int percent)
{
    return percent + ZoomStepPercent;
}

int zoomedOut(int percent)
{
    return percent > SmallestZoomPercent ? percent - ZoomStepPercent : percent;
}

QString scaleText(int percent)
{
    return QString::number(percent) + QLatin1Char('%');
}

ScrollRange scrollRange(int naturalTwips, int viewportTwips, double zoom)
{
    const double shown = viewportTwips / zoom;
    const int maximum = std::max(0, int(std::ceil(naturalTwips - shown)));
    return {maximum, std::max(1, int(std::lround(shown / StepsPerView))),
            std::max(1, int(std::lround(shown)))};
}

QRectF viewportSource(QPoint offset, double zoom)
{
    return QRectF(offset.x(), offset.y(), ViewportTwips.width() / zoom,
                  ViewportTwips.height() / zoom);
}

QRectF cropSource(const QRect &frame, QPoint offset, double zoom)
{
    return QRectF(frame.x() / zoom + offset.x(), frame.y() / zoom + offset.y(),
                  frame.width() / zoom, frame.height() / zoom);
}

void paintPart(QImage &surface, const QRectF &target, const QImage &picture, const QRectF &source,
               bool smooth)
{
    if (picture.isNull() || source.isEmpty())
        return;
    const QRectF wanted = picturePixels(picture, source);
    const QRectF covered = wanted.intersected(QRectF(picture.rect()));
    if (covered.isEmpty())
        return;
    // The target shrinks with the source to the part the picture covers.
    const double sx = target.width() / wanted.width();
    const double sy = target.height() / wanted.height();
    QRectF to(target.x() + (covered.x() - wanted.x()) * sx,
              target.y() + (covered.y() - wanted.y()) * sy, covered.width() * sx,
              covered.height() * sy);
    QImage from = picture;
    QRectF fromRect = covered;
    // A picture shrunk more than twice is first reduced by averaging, so the photo keeps its
    // detail instead of the few pixels a sampling draw would pick.
    if (smooth && (fromRect.width() > 2 * to.width() || fromRect.height() > 2 * to.height())) {
        const QRect whole = fromRect.toAlignedRect();
        const QSize reduced(std::max(1, int(std::ceil(to.width() * 2))),
                            std::max(1, int(std::ceil(to.height() * 2))));
        from = picture.copy(whole).scaled(reduced, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double kx = double(reduced.width()) / whole.width();
        const double ky = double(reduced.height()) / whole.height();
        fromRect = QRectF((fromRect.x() - whole.x()) * kx, (fromRect.y() - whole.y()) * ky,
                          fromRect.width() * kx, fromRect.height() * ky);
    }
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.drawImage(to, from, fromRect);
}

} // namespace CropRules
