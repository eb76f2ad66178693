#pragma once

// The controls' pictures: the default skin's bitmaps compiled into the program (the pictures a
// control starts with), and loading a skin folder's bitmap over a control's picture.

#include <QPixmap>
#include <QString>

namespace lexarion {

class PictureBox;
class PictureClipBox;

// The built-in picture of the default skin with file name `fileName` ("Button.bmp"); an empty
// picture for a name the program does not carry.
QPixmap BuiltInPicture(const QString& fileName);
// The resource folder holding the built-in pictures, ending with "/"; a skin folder path in its
// own right (it holds the default skin's config.ini as well).
QString BuiltInSkinFolder();

// When a file exists at `path` (found whatever its letter case) and decodes as a picture
// (bitmap, icon, JPEG, GIF), it becomes the holder's picture and true is returned. A missing
// file, or one that cannot be decoded, leaves the holder's picture as it was.
bool LoadSkinPicture(PictureClipBox& holder, const QString& path);
bool LoadSkinPicture(PictureBox& holder, const QString& path);
bool LoadSkinPicture(QPixmap& holder, const QString& path);

} // namespace lexarion
