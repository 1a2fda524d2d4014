#include "offscreen_test_main.h"
#include "ui/controls/bitmap_static.h"

#include <QImage>

namespace {

// A picture as sharp as the game's drawings, in vertical stripes of the given colours.
QImage Stripes(const QList<QColor>& colours)
{
    constexpr int kStripe = 93;
    QImage image(kStripe * int(colours.size()), 62, QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < colours.size(); ++i)
        for (int y = 0; y < image.height(); ++y)
            for (int x = i * kStripe; x < (i + 1) * kStripe; ++x)
                image.setPixelColor(x, y, colours[i]);
    return image;
}

QImage Render(CBitmapStatic& picture)
{
    return picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class BitmapStaticTest : public QObject {
    Q_OBJECT
private slots:
    void withoutPictureShowsButtonFace()
    {
        CBitmapStatic picture;
        picture.resize(50, 20);
        const QImage image = Render(picture);
        const QColor face = picture.palette().color(QPalette::Button);
        QCOMPARE(image.pixelColor(0, 0), face);
        QCOMPARE(image.pixelColor(49, 19), face);
    }

    // Each stripe keeps its colour wherever the smoothing of its edges does not reach.
    void pictureIsStretchedOverTheWholeControl()
    {
        CBitmapStatic picture;
        picture.resize(400, 60);
        QVERIFY(picture.SetPicture(Stripes({Qt::red, Qt::green, Qt::blue, Qt::yellow})));

        QImage image = Render(picture);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(image.pixelColor(50, 59), QColor(Qt::red));
        QCOMPARE(image.pixelColor(150, 30), QColor(Qt::green));
        QCOMPARE(image.pixelColor(250, 30), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(399, 0), QColor(Qt::yellow));
        QCOMPARE(image.pixelColor(399, 59), QColor(Qt::yellow));

        picture.resize(80, 100);
        image = Render(picture);
        QCOMPARE(image.pixelColor(5, 99), QColor(Qt::red));
        QCOMPARE(image.pixelColor(30, 0), QColor(Qt::green));
        QCOMPARE(image.pixelColor(50, 50), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(79, 99), QColor(Qt::yellow));
    }

    void gamePictureLoadsByNameAndUnknownNameKeepsIt()
    {
        CBitmapStatic picture;
        picture.resize(110, 16);
        QVERIFY(picture.Load(QStringLiteral("bitmap170")));
        QVERIFY(!picture.Load(QStringLiteral("no such picture")));
        QVERIFY(picture.hasPicture());
        QCOMPARE(picture.pictureName(), QStringLiteral("bitmap170"));
        // The subway strip is drawn, not the plain button face.
        const QImage image = Render(picture);
        const QColor face = picture.palette().color(QPalette::Button);
        int drawn = 0;
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixelColor(x, image.height() / 2) != face;
        QVERIFY(drawn > image.width() / 2);
    }

    void buttonFaceShowsThroughAndFollowsThePalette()
    {
        CBitmapStatic picture;
        picture.resize(40, 10);
        QVERIFY(picture.SetPicture(Stripes({Qt::red, Qt::transparent})));
        QCOMPARE(Render(picture).pixelColor(5, 5), QColor(Qt::red));
        QCOMPARE(Render(picture).pixelColor(35, 5), picture.palette().color(QPalette::Button));

        QPalette palette = picture.palette();
        palette.setColor(QPalette::Button, QColor(1, 2, 3));
        picture.setPalette(palette);
        QCOMPARE(Render(picture).pixelColor(35, 5), QColor(1, 2, 3));
        QCOMPARE(Render(picture).pixelColor(5, 5), QColor(Qt::red));
    }
};

TORVANE_OFFSCREEN_TEST_MAIN(BitmapStaticTest)
#include "bitmap_static_test.moc"
