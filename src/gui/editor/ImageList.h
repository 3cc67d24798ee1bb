#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRgb>

namespace pellor {

// The image list ilPellor of the configuration tree, the status bar and the tool bar: 46 images
// of 16 x 16 pixels, indexes 1 to 46, drawn in code on a transparent background. The meanings
// of the indexes are those of NodeImages (controllers, groups, items, roots) and of the tool bar.
class ImageList {
public:
    static constexpr int Count = 46;
    static constexpr int Size = 16;
    // The classic mask colour of the list: it stands for "transparent", so no opaque pixel of a
    // picture ever has exactly this colour.
    static constexpr QRgb MaskColour = 0xC0C0C0;

    // The picture of an index, drawn on first use and kept; a null pixmap outside 1..Count.
    static const QPixmap& pixmap(int index);
    // The picture as an icon, with a sharp double-size rendering for high-density screens;
    // a null icon outside 1..Count.
    static QIcon icon(int index);
    // Draws the picture at Size * scale pixels square (ARGB32); a null image outside 1..Count
    // or for a scale below 1.
    static QImage render(int index, int scale = 1);
};

} // namespace pellor
