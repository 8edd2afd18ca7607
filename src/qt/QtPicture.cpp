#include "qt/QtPicture.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <filesystem>

namespace codelume {

namespace {

constexpr std::array<const char*, 6> Formats = {"png", "gif", "jpeg", "bmp", "xbm", "xpm"};

// The frames of one animation never take more memory than this; later frames
// are dropped and the animation runs through the ones it has.
constexpr qsizetype MaxFrameBytes = qsizetype{64} << 20;

bool IsKnownFormat(const QByteArray& format) {
    return std::any_of(Formats.begin(), Formats.end(),
                       [&](const char* known) { return format == known; });
}

// Frames in the two formats the painter draws fastest.
QImage Prepared(const QImage& frame) {
    return frame.convertToFormat(frame.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void ReadFrames(QImageReader& reader, TQtPicture& picture) {
    qsizetype bytes = 0;
    while (bytes <= MaxFrameBytes) {
        QImage frame = reader.read();
        if (frame.isNull() || (!picture.Frames.empty() && frame.size() != picture.Frames[0].size()))
            break;
        bytes += frame.sizeInBytes();
        picture.Frames.push_back(Prepared(frame));
        picture.FrameDelays.push_back(reader.nextImageDelay());
        if (!reader.supportsAnimation()) break;
    }
}

}  // namespace

std::unique_ptr<TPicture> DecodePicture(const std::string& path) {
    // A FIFO or a device would block the reader or never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return nullptr;
    QImageReader reader(QFile::decodeName(path.c_str()));
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    if (!IsKnownFormat(reader.format())) return nullptr;
    auto picture = std::make_unique<TQtPicture>();
    ReadFrames(reader, *picture);
    if (picture->Frames.empty()) return nullptr;
    picture->Size = {picture->Frames[0].width(), picture->Frames[0].height()};
    // Qt answers -1 for an animation that loops for ever, else the repeats after the first run.
    int loops = picture->IsAnimated() ? reader.loopCount() : 0;
    picture->Plays = loops < 0 ? 0 : loops + 1;
    return picture;
}

}  // namespace codelume
