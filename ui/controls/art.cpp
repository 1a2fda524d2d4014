#include "ui/controls/art.h"

#include <QImage>

#include <cstring>

#include "ui/controls/art_data.h"

namespace {

QImage Wrap(const ArtImage& art)
{
    // The arrays live as long as the program: the image can share them.
    return QImage(reinterpret_cast<const uchar*>(art.pixels), art.width * art.ratio,
                  art.height * art.ratio, QImage::Format_ARGB32_Premultiplied);
}

bool Named(const ArtImage& art, const char* name) { return std::strcmp(art.name, name) == 0; }

// Whether a suits the ratio better than b: drawings at least as sharp as the
// screen beat blurrier ones; among them the nearest wins.
bool Suits(const ArtImage& a, const ArtImage& b, qreal ratio)
{
    const bool aSharp = a.ratio >= ratio;
    const bool bSharp = b.ratio >= ratio;
    if (aSharp != bSharp)
        return aSharp;
    return aSharp ? a.ratio < b.ratio : a.ratio > b.ratio;
}

}  // namespace

QPixmap ArtPixmap(const char* name, QSize size, qreal ratio)
{
    const ArtImage* best = nullptr;
    for (int i = 0; i < kArtImageCount; ++i) {
        const ArtImage& art = kArtImages[i];
        if (!Named(art, name) || QSize(art.width, art.height) != size)
            continue;
        if (!best || Suits(art, *best, ratio))
            best = &art;
    }
    if (!best)
        return QPixmap();
    QImage image = Wrap(*best);
    if (best->ratio != ratio)
        image = image.scaled(size * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QSize ArtSize(const char* name)
{
    for (int i = 0; i < kArtImageCount; ++i)
        if (Named(kArtImages[i], name))
            return QSize(kArtImages[i].width, kArtImages[i].height);
    return QSize();
}

QIcon ArtIcon(const char* name)
{
    QIcon icon;
    for (int i = 0; i < kArtImageCount; ++i)
        if (Named(kArtImages[i], name))
            icon.addPixmap(QPixmap::fromImage(Wrap(kArtImages[i])));
    return icon;
}
