#include "resources/ui/artwork/images.h"

#include <QFile>
#include <QResource>

#include <cstdint>
#include <cstring>
#include <map>

namespace tmcalc {
namespace {

QImage ReadRawArtwork(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid()) return {};
    // A stored resource is read in place; a compressed one (a build without -no-compress) is inflated.
    const bool stored = resource.compressionAlgorithm() == QResource::NoCompression;
    const QByteArray bytes = stored ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                                              static_cast<qsizetype>(resource.size()))
                                    : resource.uncompressedData();
    std::uint32_t size[2] = {};
    if (bytes.size() < static_cast<qsizetype>(sizeof size)) return {};
    std::memcpy(size, bytes.constData(), sizeof size);
    const qsizetype rowBytes = static_cast<qsizetype>(size[0]) * 4;
    if (size[0] == 0 || size[1] == 0 || size[0] > 8192 || size[1] > 8192 ||
        bytes.size() != static_cast<qsizetype>(sizeof size) + rowBytes * size[1]) {
        return {};
    }
    const auto* pixels = reinterpret_cast<const uchar*>(bytes.constData() + sizeof size);
    const int w = static_cast<int>(size[0]);
    const int h = static_cast<int>(size[1]);
    // Stored resources live in the program's read-only data for the life of the process: the image
    // wraps them where the rows are aligned as QImage needs, and copies them where not.
    if (stored && reinterpret_cast<std::uintptr_t>(pixels) % alignof(std::uint32_t) == 0) {
        return QImage(pixels, w, h, rowBytes, QImage::Format_ARGB32_Premultiplied);
    }
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y, pixels += rowBytes) std::memcpy(image.scanLine(y), pixels, rowBytes);
    return image;
}

}  // namespace

bool ImagesAvailable() { return QFile::exists(QStringLiteral(":/images/12.argb")); }

const QImage& ArtworkImage(int id)
{
    static std::map<int, QImage> images;  // the GUI thread's
    auto [it, added] = images.try_emplace(id);
    if (added) {
        const QString name = id == 5 ? QStringLiteral("icon5") : QString::number(id);
        it->second = ReadRawArtwork(QStringLiteral(":/images/%1.argb").arg(name));
    }
    return it->second;
}

QByteArray RawArtworkBytes(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(pixels.width()),
                                   static_cast<std::uint32_t>(pixels.height())};
    QByteArray bytes(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(pixels.constScanLine(y));
        bytes.append(row, static_cast<qsizetype>(pixels.width()) * 4);
    }
    return bytes;
}

}  // namespace tmcalc
