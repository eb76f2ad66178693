#include "skin/ui/skinpicture.h"

#include "platform/textfile.h"
#include "skin/bitmapfile.h"
#include "skin/ui/picturebox.h"
#include "skin/ui/pictureclipbox.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

namespace lexarion {

namespace {

QString ResolvedPath(const QString& path) {
    const QFileInfo info(path);
    return ResolveCaseInsensitive(info.path(), info.fileName());
}

std::optional<QPixmap> ReadPicture(const QString& path) {
    const QString resolved = ResolvedPath(path);
    if (!IsOrdinaryFile(resolved))
        return std::nullopt;
    const std::optional<QByteArray> bytes = ReadFileBytes(resolved);
    // A bitmap cut short would show garbage where its rows are missing: the control keeps the
    // picture it has.
    if (!bytes || IsBitmapCutShort(*bytes))
        return std::nullopt;
    // The format is taken from the content, so a JPEG saved as ".bmp" still loads.
    QBuffer buffer;
    buffer.setData(*bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return QPixmap::fromImage(image);
}

} // namespace

QString BuiltInSkinFolder() {
    return QStringLiteral(":/lexarion/skin/");
}

QPixmap BuiltInPicture(const QString& fileName) {
    QImageReader reader(BuiltInSkinFolder() + fileName);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

bool LoadSkinPicture(QPixmap& holder, const QString& path) {
    std::optional<QPixmap> picture = ReadPicture(path);
    if (!picture)
        return false;
    holder = *picture;
    return true;
}

bool LoadSkinPicture(PictureClipBox& holder, const QString& path) {
    std::optional<QPixmap> picture = ReadPicture(path);
    if (!picture)
        return false;
    holder.SetPicture(*picture);
    return true;
}

bool LoadSkinPicture(PictureBox& holder, const QString& path) {
    std::optional<QPixmap> picture = ReadPicture(path);
    if (!picture)
        return false;
    holder.SetPicture(*picture);
    return true;
}

} // namespace lexarion
