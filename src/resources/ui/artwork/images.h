#pragma once

#include <QByteArray>
#include <QImage>

namespace tmcalc {

// The artwork drawn at build time is compiled in twice: as PNG (":/images/11.png" ... "16.png",
// "icon5.png") for the desktop, and as raw premultiplied ARGB32 pixels (":/images/<id>.argb", a header
// of width and height as two native 32-bit integers, then the rows), which the program draws without
// decoding.

// True when the compiled-in images are present.
[[nodiscard]] bool ImagesAvailable();

// Image 11-16, or "icon5" as id 5; a null image when it is missing or malformed. Read once, then kept.
[[nodiscard]] const QImage& ArtworkImage(int id);

// The raw form of an image, as ArtworkImage reads it.
[[nodiscard]] QByteArray RawArtworkBytes(const QImage& image);

}  // namespace tmcalc
