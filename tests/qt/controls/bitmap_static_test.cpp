#include "offscreen_test_main.h"
#include "ui/controls/bitmap_static.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

namespace {

// A 186 x 31 picture in four vertical stripes of the given colours.
void WriteStripes(const QString& path, const QStringList& colours)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString svg = "<svg xmlns='http://www.w3.org/2000/svg' width='186' height='31' viewBox='0 0 186 31'>";
    for (int i = 0; i < colours.size(); ++i)
        svg += QString("<rect x='%1' y='0' width='46.5' height='31' fill='%2'/>").arg(i * 46.5).arg(colours[i]);
    svg += "</svg>";
    file.write(svg.toUtf8());
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

    void pictureIsStretchedOverTheWholeControl()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("line.svg");
        WriteStripes(path, {"#ff0000", "#00ff00", "#0000ff", "#ffff00"});
        CBitmapStatic picture;
        picture.resize(400, 60);
        QVERIFY(picture.Load(path));

        QImage image = Render(picture);
        QCOMPARE(image.pixelColor(0, 0), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(99, 59), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(100, 30), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(250, 30), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(399, 0), QColor(255, 255, 0));
        QCOMPARE(image.pixelColor(399, 59), QColor(255, 255, 0));

        picture.resize(80, 100);
        image = Render(picture);
        QCOMPARE(image.pixelColor(19, 99), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(20, 0), QColor(0, 255, 0));
        QCOMPARE(image.pixelColor(79, 99), QColor(255, 255, 0));
    }

    void paletteChangeLoadsThePictureAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("line.svg");
        WriteStripes(path, {"#ff0000"});
        CBitmapStatic picture;
        picture.resize(40, 10);
        QVERIFY(picture.Load(path));
        QCOMPARE(Render(picture).pixelColor(5, 5), QColor(255, 0, 0));

        WriteStripes(path, {"#0000ff"});
        QPalette palette = picture.palette();
        palette.setColor(QPalette::Button, QColor(1, 2, 3));
        picture.setPalette(palette);
        QCOMPARE(Render(picture).pixelColor(5, 5), QColor(0, 0, 255));
    }
};

TORVANE_OFFSCREEN_TEST_MAIN(BitmapStaticTest)
#include "bitmap_static_test.moc"
