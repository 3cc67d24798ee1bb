#include "PreviewSheet.h"

#include "gui/editor/ImageList.h"

#include <QImage>
#include <QPainter>

#include <array>

namespace pellor {

bool writePreviewSheet(const QString& path) {
    constexpr int columns = 8;
    constexpr int zoom = 4;
    constexpr int cellWidth = 140;
    constexpr int cellHeight = 90;
    const int rows = (ImageList::Count + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight, QImage::Format_ARGB32);
    sheet.fill(QColor(0xffffff));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    for (int index = 1; index <= ImageList::Count; ++index) {
        const int x = ((index - 1) % columns) * cellWidth;
        const int y = ((index - 1) / columns) * cellHeight;
        p.setPen(QColor(0x202020));
        p.drawText(QRect(x + 4, y + 2, 40, 16), Qt::AlignLeft, QString::number(index));
        // enlarged on a checkerboard, so transparency shows
        const QRect big(x + 4, y + 20, ImageList::Size * zoom, ImageList::Size * zoom);
        for (int cy = 0; cy < ImageList::Size; ++cy)
            for (int cx = 0; cx < ImageList::Size; ++cx)
                p.fillRect(big.x() + cx * zoom, big.y() + cy * zoom, zoom, zoom,
                           (cx + cy) % 2 ? QColor(0xe4e4e4) : QColor(0xf8f8f8));
        const QImage image = ImageList::pixmap(index).toImage();
        p.drawImage(big, image);
        // real size on white, dark and tree-selection backgrounds, and the sharp double size
        const std::array<QColor, 3> backs = {QColor(0xffffff), QColor(0x2b2b2b), QColor(0x3074d0)};
        for (size_t i = 0; i < backs.size(); ++i) {
            const QRect small(x + 76, y + 20 + int(i) * 20, 20, 20);
            p.fillRect(small, backs[i]);
            p.drawImage(small.topLeft() + QPoint(2, 2), image);
        }
        p.drawImage(QPoint(x + 102, y + 20), ImageList::render(index, 2));
    }
    p.end();
    return sheet.save(path, "PNG");
}

} // namespace pellor
