#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QImage>
#include <QPainter>

#include "qt/QtPicture.h"
#include "qt/ScreenCanvas.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

const std::string ImageData = std::string(CODELUME_SOURCE_DIR) + "/tests/data/images/";

QImage Filled(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

const TQtPicture& AsQt(const std::unique_ptr<TPicture>& picture) {
    return dynamic_cast<const TQtPicture&>(*picture);
}

TEST(DecodePicture, ReadsEveryFormatByItsContent) {
    TTempDir dir;
    for (const char* format : {"png", "jpeg", "bmp", "xbm", "xpm"}) {
        SCOPED_TRACE(format);
        // The wrong extension on purpose: the content decides.
        std::string path = dir.File(std::string(format) + ".img");
        ASSERT_TRUE(Filled(5, 3, Qt::black).save(QString::fromStdString(path), format));
        std::unique_ptr<TPicture> picture = DecodePicture(path);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Size, (TSize{5, 3}));
        EXPECT_EQ(picture->FrameCount(), 1);
        EXPECT_FALSE(picture->IsAnimated());
    }
}

TEST(DecodePicture, AnswersNoneForWhatIsNoPictureItReads) {
    TTempDir dir;
    WriteWholeFile(dir.File("garbage.png"), "\x89PNG\r\n\x1A\nnot really");
    WriteWholeFile(dir.File("empty.gif"), "");
    ASSERT_TRUE(Filled(2, 2, Qt::red).save(QString::fromStdString(dir.File("other.ppm")), "ppm"));
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
    for (const char* name : {"missing.png", "garbage.png", "empty.gif", "other.ppm", "fifo", "."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(DecodePicture(dir.File(name)), nullptr);
    }
}

TEST(DecodePicture, KeepsEveryFrameOfAnAnimationWithItsDelay) {
    std::unique_ptr<TPicture> picture = DecodePicture(ImageData + "anim.gif");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Size, (TSize{4, 3}));
    EXPECT_EQ(picture->FrameDelays, (std::vector<int32_t>{100, 300}));
    EXPECT_EQ(picture->Plays, 0);  // the file loops for ever
    const TQtPicture& frames = AsQt(picture);
    EXPECT_EQ(frames.Frames[0].pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(frames.Frames[1].pixelColor(1, 1), QColor(Qt::blue));
}

TEST(DrawImage, ScalesTheFrameIntoItsRectangleInsideTheClip) {
    TTempDir dir;
    std::string path = dir.File("red.png");
    ASSERT_TRUE(Filled(2, 2, Qt::red).save(QString::fromStdString(path)));
    std::unique_ptr<TPicture> picture = DecodePicture(path);
    QImage target = Filled(10, 10, Qt::white);
    {
        QPainter painter(&target);
        TFontCache fonts(96);
        TScreenCanvas canvas(painter, fonts);
        canvas.DrawImage(*picture, 0, {2, 2, 8, 8}, TRect{0, 0, 10, 5});
        canvas.DrawImage(*DecodePicture(ImageData + "anim.gif"), 1, {0, 8, 4, 10}, std::nullopt);
    }
    EXPECT_EQ(target.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(7, 4), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(7, 5), QColor(Qt::white));  // clipped
    EXPECT_EQ(target.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(target.pixelColor(3, 9), QColor(Qt::blue));  // the second frame
}

// A 2 by 1 tile, red then blue, covers only its area and starts at the origin.
TEST(TileImage, CoversTheAreaWithCopiesFromTheOrigin) {
    TTempDir dir;
    QImage tile = Filled(2, 1, Qt::red);
    tile.setPixelColor(1, 0, Qt::blue);
    std::string path = dir.File("tile.png");
    ASSERT_TRUE(tile.save(QString::fromStdString(path)));
    std::unique_ptr<TPicture> picture = DecodePicture(path);
    for (int32_t originX : {0, 1, -3}) {
        SCOPED_TRACE(originX);
        QImage target = Filled(10, 10, Qt::white);
        {
            QPainter painter(&target);
            TFontCache fonts(96);
            TScreenCanvas canvas(painter, fonts);
            canvas.TileImage(*picture, {1, 1, 9, 9}, {originX, 0});
        }
        QColor even = originX % 2 == 0 ? QColor(Qt::red) : QColor(Qt::blue);
        QColor odd = originX % 2 == 0 ? QColor(Qt::blue) : QColor(Qt::red);
        EXPECT_EQ(target.pixelColor(4, 5), even);
        EXPECT_EQ(target.pixelColor(5, 7), odd);
        EXPECT_EQ(target.pixelColor(0, 5), QColor(Qt::white));
        EXPECT_EQ(target.pixelColor(9, 9), QColor(Qt::white));
    }
}

}  // namespace
}  // namespace codelume
