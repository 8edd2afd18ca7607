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

std::unique_ptr<TPicture> SavedPicture(const TTempDir& dir, const std::string& name,
                                       const QImage& image) {
    std::string path = dir.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return DecodePicture(path);
}

QSize FrameSize(const std::unique_ptr<TPicture>& picture, QSize pixels) {
    const QImage* frame = AsQt(picture).Frame(0, pixels);
    return frame ? frame->size() : QSize();
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
    // An animation keeps its frames at their own size, however it is drawn.
    const TQtPicture& frames = AsQt(picture);
    EXPECT_EQ(frames.Frame(0, {40, 30})->pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(frames.Frame(1, {1, 1})->pixelColor(1, 1), QColor(Qt::blue));
}

// A still picture is decoded at the pixels it covers, never above its own
// size; once larger pixels were needed they serve the smaller too.
TEST(DecodePicture, DecodesAStillPictureAtTheSizeItIsDrawn) {
    TTempDir dir;
    std::unique_ptr<TPicture> picture = SavedPicture(dir, "big.png", Filled(400, 300, Qt::red));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Size, (TSize{400, 300}));
    EXPECT_EQ(FrameSize(picture, {40, 30}), QSize(40, 30));
    EXPECT_EQ(AsQt(picture).Frame(0, {40, 30})->pixelColor(20, 15), QColor(Qt::red));
    EXPECT_EQ(FrameSize(picture, {800, 600}), QSize(400, 300));
    EXPECT_EQ(FrameSize(picture, {40, 30}), QSize(400, 300));
}

// The file stores 16 by 8 pixels and says they stand turned a quarter.
TEST(DecodePicture, TurnsAPictureStoredOnItsSide) {
    std::unique_ptr<TPicture> picture = DecodePicture(ImageData + "turned.jpg");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Size, (TSize{8, 16}));
    EXPECT_EQ(FrameSize(picture, {4, 8}), QSize(4, 8));
}

// Pictures drawn long ago give their pixels up to the limit and decode again
// when they are drawn next; a picture that goes takes its pixels with it.
TEST(DecodePicture, KeepsTheDecodedPixelsOfAllPicturesUnderOneLimit) {
    TTempDir dir;
    constexpr qsizetype PictureBytes = 100 * 100 * 4;
    qsizetype before = DecodedStillBytes();
    LimitDecodedStills(before + 2 * PictureBytes);
    std::vector<std::unique_ptr<TPicture>> pictures;
    for (QColor color : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)}) {
        pictures.push_back(SavedPicture(dir, color.name().toStdString().substr(1) + ".png",
                                        Filled(100, 100, color)));
        AsQt(pictures.back()).Frame(0, {100, 100});
    }
    EXPECT_EQ(DecodedStillBytes(), before + 2 * PictureBytes);
    EXPECT_EQ(AsQt(pictures[0]).Frame(0, {100, 100})->pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(DecodedStillBytes(), before + 2 * PictureBytes);
    pictures.clear();
    EXPECT_EQ(DecodedStillBytes(), before);
    LimitDecodedStills(qsizetype{128} << 20);
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

// A printer's painter maps each pixel of the page to several of the paper:
// the picture is decoded for the paper's pixels.
TEST(DrawImage, DecodesForTheDevicePixelsTheRectangleCovers) {
    TTempDir dir;
    std::unique_ptr<TPicture> picture = SavedPicture(dir, "photo.png", Filled(200, 200, Qt::red));
    QImage target = Filled(100, 100, Qt::white);
    qsizetype before = DecodedStillBytes();
    {
        QPainter painter(&target);
        painter.scale(4, 4);
        TFontCache fonts(96);
        TScreenCanvas canvas(painter, fonts);
        canvas.DrawImage(*picture, 0, {0, 0, 10, 10}, std::nullopt);
    }
    EXPECT_EQ(DecodedStillBytes() - before, 40 * 40 * 4);
    EXPECT_EQ(target.pixelColor(39, 39), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(41, 41), QColor(Qt::white));
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
