// Pictures decoded with Qt's image readers. The frames stay QImages so that a
// PDF embeds each picture once, at its own resolution, however often it is drawn.
#pragma once

#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "canvas/Picture.h"

namespace codelume {

class TQtPicture : public TPicture {
public:
    std::vector<QImage> Frames;  // each of Size
};

// The picture in a PNG, GIF, JPEG, BMP, XBM or XPM file, told by its content;
// none when the path names no regular file, another format, or data that does
// not decode. An animation keeps its frames up to a memory budget.
std::unique_ptr<TPicture> DecodePicture(const std::string& path);

}  // namespace codelume
