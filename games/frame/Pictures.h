#pragma once
// The pictures the playfields draw (balls, bricks, the character), read
// from bitmap files in ConfigPath. A bitmap is drawn transparent the way
// the program's images always were: every pixel of the colour of its
// bottom-left pixel is see-through.

#include <QPixmap>
#include <QString>

// The pictures of the installation that no level names: the runner of the
// clock and target games facing right (Image1) and left (Image2), and the
// centre marker imGun.
namespace PictureFile {
inline constexpr auto CharacterRight = "Personnage_Droite.bmp";
inline constexpr auto CharacterLeft = "Personnage_Gauche.bmp";
inline constexpr auto CentreMark = "Centre.bmp";
} // namespace PictureFile

// The picture `fileName` of ConfigPath (found without regard to case),
// read once and kept; a null pixmap when the file is missing or unreadable.
QPixmap GamePicture(const QString& fileName);

// Drops the kept pictures (the files changed, or another ConfigPath).
void ForgetGamePictures();

// `image` with the colour of its bottom-left pixel made see-through.
QImage TransparentByCorner(const QImage& image);
