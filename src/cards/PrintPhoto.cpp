#include "PrintPhoto.h"

#include "core/RecordFiles.h"
#include "platform/Pictures.h"

#include <QFileInfo>

QImage printPhotoOf(const QString &appPath, const QString &team, const QString &player,
                    const QString &picturePath, const QImage &bitmap)
{
    const QString bitmapPath = RecordFiles::photoFilePath(appPath, team, player);
    const QFileInfo sharp(RecordFiles::cardPhotoFilePath(appPath, team, player));
    // Only a print photo made with the player's bitmap, and not before it, shows the same crop.
    if (picturePath == bitmapPath && sharp.isFile() &&
        sharp.lastModified() >= QFileInfo(bitmapPath).lastModified())
        if (Outcome<QImage> picture = LoadPicture(sharp.filePath()); picture && !picture->isNull())
            return *picture;
    return bitmap;
}
