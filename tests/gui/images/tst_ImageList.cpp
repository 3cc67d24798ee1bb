#include "PreviewSheet.h"

#include "core/model/NodeImages.h"
#include "gui/editor/ImageList.h"

#include <QColor>
#include <QMap>
#include <QRect>
#include <QTest>

#include <cstdlib>

using pellor::ImageList;
namespace NodeImages = pellor::NodeImages;

namespace {

QImage argb(int index) {
    return ImageList::pixmap(index).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Two pixels look different when their colour or their opacity differs clearly.
bool looksDifferent(QRgb a, QRgb b) {
    constexpr int threshold = 40;
    if (std::abs(qAlpha(a) - qAlpha(b)) > threshold)
        return true;
    if (qAlpha(a) < 64 && qAlpha(b) < 64)
        return false;
    return std::abs(qRed(a) - qRed(b)) > threshold || std::abs(qGreen(a) - qGreen(b)) > threshold ||
           std::abs(qBlue(a) - qBlue(b)) > threshold;
}

// The pixels in which two images of the list look different.
QList<QPoint> differences(int first, int second) {
    const QImage a = argb(first);
    const QImage b = argb(second);
    QList<QPoint> points;
    for (int y = 0; y < ImageList::Size; ++y)
        for (int x = 0; x < ImageList::Size; ++x)
            if (looksDifferent(a.pixel(x, y), b.pixel(x, y)))
                points << QPoint(x, y);
    return points;
}

int saturation(QRgb pixel) {
    return QColor::fromRgb(pixel).hsvSaturation();
}

// Each image that the controller and item tables choose, with a description of one state that
// chooses it.
QMap<int, QString> tableImages() {
    QMap<int, QString> images;
    for (bool enabled : {false, true})
        for (qint32 type : {0, 1})
            images.insert(NodeImages::controllerImage(enabled, type),
                          QStringLiteral("controller enabled=%1 type=%2").arg(enabled).arg(type));
    for (qint32 type : {0, 1, 2})
        for (qint32 attribute : {0, 1, 2})
            for (bool linked : {false, true})
                for (bool enabled : {false, true})
                    images.insert(NodeImages::itemImage(enabled, linked, attribute, type),
                                  QStringLiteral("item enabled=%1 linked=%2 attribute=%3 type=%4")
                                      .arg(enabled)
                                      .arg(linked)
                                      .arg(attribute)
                                      .arg(type));
    return images;
}

// Where the overlays sit: the access mark in the upper right, the link mark in the lower right.
const QRect kAccessCorner(8, 0, 8, 8);
const QRect kLinkCorner(7, 7, 9, 9);

} // namespace

class TestImageList : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void picture_data();
    void picture();
    void outsideTheList_data();
    void outsideTheList();
    void tableChoicesDiffer_data();
    void tableChoicesDiffer();
    void disabledIsGrey_data();
    void disabledIsGrey();
    void overlayOnlyChangesItsCorner_data();
    void overlayOnlyChangesItsCorner();
    void sharpIconMatchesPicture_data();
    void sharpIconMatchesPicture();
};

void TestImageList::initTestCase() {
    // PELLOR_IMAGE_PREVIEW=<file.png> writes a sheet of all pictures for looking at them.
    const QString preview = qEnvironmentVariable("PELLOR_IMAGE_PREVIEW");
    if (!preview.isEmpty())
        QVERIFY(pellor::writePreviewSheet(preview));
}

void TestImageList::picture_data() {
    QTest::addColumn<int>("index");
    for (int index = 1; index <= 46; ++index)
        QTest::addRow("%d", index) << index;
}

void TestImageList::picture() {
    QFETCH(int, index);
    const QPixmap& pixmap = ImageList::pixmap(index);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.size(), QSize(16, 16));
    // drawn once: the same pixmap comes back
    QCOMPARE(&ImageList::pixmap(index), &pixmap);
    QCOMPARE(ImageList::pixmap(index).cacheKey(), pixmap.cacheKey());

    const QImage image = argb(index);
    int opaque = 0;
    int transparent = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) == 255)
                ++opaque;
            if (qAlpha(pixel) == 0)
                ++transparent;
            if (qAlpha(pixel) != 0 && (pixel & RGB_MASK) == ImageList::MaskColour)
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 has the mask colour").arg(x).arg(y)));
        }
    }
    QVERIFY2(opaque >= 20, qPrintable(QString::number(opaque)));
    QVERIFY2(transparent >= 8, qPrintable(QString::number(transparent)));
}

void TestImageList::outsideTheList_data() {
    QTest::addColumn<int>("index");
    for (int index : {0, 47, -1, 1000})
        QTest::addRow("%d", index) << index;
}

void TestImageList::outsideTheList() {
    QFETCH(int, index);
    QVERIFY(ImageList::pixmap(index).isNull());
    QVERIFY(ImageList::icon(index).isNull());
    QVERIFY(ImageList::render(index).isNull());
}

void TestImageList::tableChoicesDiffer_data() {
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    const QMap<int, QString> images = tableImages();
    QCOMPARE(images.size(), 27); // 23 item images and 4 controller images
    for (auto a = images.cbegin(); a != images.cend(); ++a)
        for (auto b = std::next(a); b != images.cend(); ++b)
            QTest::addRow("%d (%s) vs %d (%s)", a.key(), qPrintable(a.value()), b.key(),
                          qPrintable(b.value()))
                << a.key() << b.key();
}

void TestImageList::tableChoicesDiffer() {
    QFETCH(int, first);
    QFETCH(int, second);
    const int count = int(differences(first, second).size());
    QVERIFY2(count >= 12, qPrintable(QStringLiteral("%1 pixels differ").arg(count)));
}

void TestImageList::disabledIsGrey_data() {
    QTest::addColumn<int>("enabledImage");
    QTest::addColumn<int>("disabledImage");
    for (qint32 type : {0, 1})
        QTest::addRow("controller type %d", type)
            << NodeImages::controllerImage(true, type) << NodeImages::controllerImage(false, type);
    for (qint32 type : {0, 1, 2})
        for (qint32 attribute : {0, 1, 2})
            for (bool linked : {false, true})
                QTest::addRow("item type %d attribute %d linked %d", type, attribute, int(linked))
                    << NodeImages::itemImage(true, linked, attribute, type)
                    << NodeImages::itemImage(false, linked, attribute, type);
}

void TestImageList::disabledIsGrey() {
    QFETCH(int, enabledImage);
    QFETCH(int, disabledImage);
    const QImage enabled = argb(enabledImage);
    const QImage disabled = argb(disabledImage);
    int coloured = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            if (qAlpha(enabled.pixel(x, y)) == 255 && saturation(enabled.pixel(x, y)) > 100)
                ++coloured;
            const QRgb pixel = disabled.pixel(x, y);
            if (qAlpha(pixel) > 0)
                QVERIFY2(saturation(pixel) <= 8,
                         qPrintable(QStringLiteral("pixel %1,%2 of %3 is coloured")
                                        .arg(x)
                                        .arg(y)
                                        .arg(disabledImage)));
        }
    }
    QVERIFY2(coloured >= 20, qPrintable(QStringLiteral("%1 coloured pixels").arg(coloured)));
}

void TestImageList::overlayOnlyChangesItsCorner_data() {
    QTest::addColumn<int>("without");
    QTest::addColumn<int>("with");
    QTest::addColumn<QRect>("corner");
    const auto item = NodeImages::itemImage;
    for (qint32 type : {0, 1, 2}) {
        // linked or not, the rest unchanged
        for (auto [enabled, attribute] : {std::pair{true, 0}, {true, 1}, {false, 0}})
            QTest::addRow("type %d enabled %d attribute %d: link", type, int(enabled), attribute)
                << item(enabled, false, attribute, type) << item(enabled, true, attribute, type)
                << kLinkCorner;
        // read only or write only instead of read and write, the rest unchanged
        for (auto [enabled, linked] : {std::pair{true, false}, {true, true}})
            for (qint32 attribute : {1, 2}) {
                const int without = item(enabled, linked, 0, type);
                const int with = item(enabled, linked, attribute, type);
                // a write-only plain or alias item shows no link mark at all
                const bool showsLink = item(enabled, false, attribute, type) != with;
                if (with != without && (!linked || showsLink))
                    QTest::addRow("type %d linked %d: attribute %d", type, int(linked), attribute)
                        << without << with << kAccessCorner;
            }
    }
    // the same for disabled linked array items, which keep their access mark
    QTest::addRow("disabled linked array: read only") << 34 << 31 << kAccessCorner;
    QTest::addRow("disabled linked array: write only") << 34 << 32 << kAccessCorner;
}

void TestImageList::overlayOnlyChangesItsCorner() {
    QFETCH(int, without);
    QFETCH(int, with);
    QFETCH(QRect, corner);
    const QList<QPoint> points = differences(without, with);
    QVERIFY2(points.size() >= 10,
             qPrintable(QStringLiteral("%1 pixels differ").arg(points.size())));
    for (const QPoint& point : points)
        QVERIFY2(corner.contains(point),
                 qPrintable(QStringLiteral("pixel %1,%2 differs").arg(point.x()).arg(point.y())));
}

void TestImageList::sharpIconMatchesPicture_data() {
    QTest::addColumn<int>("index");
    for (int index = 1; index <= 46; ++index)
        QTest::addRow("%d", index) << index;
}

void TestImageList::sharpIconMatchesPicture() {
    QFETCH(int, index);
    const QIcon icon = ImageList::icon(index);
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.pixmap(QSize(16, 16), 1.0).toImage().convertToFormat(QImage::Format_ARGB32),
             argb(index));
    // the double-size picture shows the same, only finer: scaled down, it is close to the
    // 16-pixel one
    const QImage sharp = icon.pixmap(QSize(16, 16), 2.0).toImage();
    QCOMPARE(sharp.size(), QSize(32, 32));
    const QImage reduced = sharp.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_ARGB32);
    const QImage small = argb(index);
    int far = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (looksDifferent(reduced.pixel(x, y), small.pixel(x, y)))
                ++far;
    QVERIFY2(far <= 40, qPrintable(QStringLiteral("%1 pixels differ").arg(far)));
}

QTEST_MAIN(TestImageList)
#include "tst_ImageList.moc"
