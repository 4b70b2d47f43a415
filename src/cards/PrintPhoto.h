#pragma once

// The photo a card prints: "<player>.card.png", the crop at print resolution, when his photo is
// his bitmap and that file is not older than the bitmap; else the bitmap.

#include <QImage>
#include <QString>

QImage printPhotoOf(const QString &appPath, const QString &team, const QString &player,
                    const QString &picturePath, const QImage &bitmap);
