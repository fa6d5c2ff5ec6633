#pragma once

#include <QByteArray>
#include <QImage>

namespace tmcalc {

// The artwork drawn at build time (also written as PNG beside, for the desktop icon and for people) is
// compiled in as raw premultiplied ARGB32 pixels, ":/images/<id>.argb": a header of width and height as
// two native 32-bit integers, then the rows. The program draws them without decoding.

// True when the compiled-in images are present.
[[nodiscard]] bool ImagesAvailable();

// Image 11-16, or "icon5" as id 5; a null image when it is missing or malformed. Read once, then kept.
[[nodiscard]] const QImage& ArtworkImage(int id);

// The raw form of an image, as ArtworkImage reads it.
[[nodiscard]] QByteArray RawArtworkBytes(const QImage& image);

}  // namespace tmcalc
