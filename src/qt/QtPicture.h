// Pictures decoded with Qt's image readers. A still picture is decoded when it
// is drawn, at the size of the device pixels it covers (never above its own),
// so that a page of large photos shown small keeps small copies; a printer's
// painter gets the picture at its resolution rather than a screen-sized copy.
// An animation's frames are decoded once, at their own size.
#pragma once

#include <QImage>
#include <QString>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Picture.h"

namespace codelume {

class TPixelBudget;

class TQtPicture : public TPicture {
public:
    TQtPicture() = default;
    TQtPicture(const TQtPicture&) = delete;
    TQtPicture& operator=(const TQtPicture&) = delete;
    ~TQtPicture() override;

    // The frame to draw into a rectangle of pixels device pixels; none when a
    // still picture no longer decodes.
    const QImage* Frame(int32_t frame, QSize pixels) const;

private:
    friend std::unique_ptr<TPicture> DecodePicture(const std::string& path);
    friend class TPixelBudget;

    std::vector<QImage> Frames;  // an animation's, each of Size
    QString Path;                // a still picture's file
    bool RotatedFile = false;    // stored turned a quarter, so Size is the file's swapped
    // A still picture's pixels at the size last drawn; given up to the budget.
    mutable QImage Still;
    mutable bool StillFailed = false;  // the file no longer decodes: not tried again
    std::shared_ptr<TPixelBudget> Budget;
    mutable qsizetype HeldBytes = 0;  // what the budget counts for Still; 0 when none
    mutable std::list<const TQtPicture*>::iterator BudgetPlace;  // valid while HeldBytes > 0

    const QImage* StillAt(QSize pixels) const;
};

// The picture in a PNG, GIF, JPEG, BMP, XBM or XPM file, told by its content;
// none when the path names no regular file, another format, or data whose
// size cannot be read. An animation keeps its frames up to a memory budget.
std::unique_ptr<TPicture> DecodePicture(const std::string& path);

// The bytes that the still pictures of the whole process keep decoded, and
// their limit: those drawn least recently give their pixels up first and
// decode again when drawn. The picture being drawn keeps its pixels even
// above the limit.
qsizetype DecodedStillBytes();
void LimitDecodedStills(qsizetype bytes);

}  // namespace codelume
