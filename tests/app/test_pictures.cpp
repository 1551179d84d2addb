#include "app/controls/picture.h"
#include "app/window_layout.h"
#include "support/test_window.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

// The pictures as the window reads them: each one there at its size, and read without any of
// Qt's image-format plugins, which would slow the start-up.
class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void buildingTheWindowLoadsNoImagePlugin();
    void everyPictureReadsAtItsSizeWithItsDoubleSize();
};

void PicturesTest::buildingTheWindowLoadsNoImagePlugin()
{
    TestWindow t;
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(mapped.contains("libQt6Gui"));
    QVERIFY2(!mapped.contains("/imageformats/"), "an image-format plugin was loaded");
}

void PicturesTest::everyPictureReadsAtItsSizeWithItsDoubleSize()
{
    int checked = 0;
    for (const WindowLayout::Control& row : WindowLayout::controls()) {
        if (row.kind != WindowLayout::Kind::PictureBox && row.kind != WindowLayout::Kind::Image)
            continue;
        const QPixmap picture = Picture::load(row.text);
        QVERIFY2(!picture.isNull(), qPrintable(row.text));
        const QSize box(WindowLayout::toPixels(row.width), WindowLayout::toPixels(row.height));
        // An image is exactly its picture; a picture box frames its picture.
        if (row.kind == WindowLayout::Kind::Image)
            QCOMPARE(picture.size(), box);
        else
            QVERIFY2(picture.width() <= box.width() && picture.height() <= box.height(), qPrintable(row.text));

        const QFileInfo info(row.text);
        const QPixmap doubleSize = Picture::load(info.path() + '/' + info.completeBaseName() + "@2x.png");
        QCOMPARE(doubleSize.size(), picture.size() * 2);
        ++checked;
    }
    QCOMPARE(checked, 10);
}

QTEST_MAIN(PicturesTest)
#include "test_pictures.moc"
