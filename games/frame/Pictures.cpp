#include "Pictures.h"

#include "Define.h"
#include "FileNames.h"

#include <QHash>
#include <QImage>

namespace {
QHash<QString, QPixmap>& pictures()
{
    static QHash<QString, QPixmap> cache;
    return cache;
}
} // namespace

QImage TransparentByCorner(const QImage& image)
{
    if (image.isNull())
        return image;
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = result.pixel(0, result.height() - 1) | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
        }
    }
    return result;
}

QPixmap GamePicture(const QString& fileName)
{
    const QString path = ResolveFileName(ConfigPath, fileName);
    auto found = pictures().constFind(path);
    if (found != pictures().constEnd())
        return *found;
    const QImage image(path);
    if (image.isNull())
        return QPixmap(); // not kept: the file may be put in place later
    const QPixmap pixmap = QPixmap::fromImage(TransparentByCorner(image));
    pictures().insert(path, pixmap);
    return pixmap;
}

void ForgetGamePictures()
{
    pictures().clear();
}
