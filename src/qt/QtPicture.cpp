#include "qt/QtPicture.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <array>
#include <filesystem>

namespace codelume {

// The still pictures holding pixels, the most recently drawn first.
class TPixelBudget {
public:
    qsizetype Limit = qsizetype{128} << 20;
    qsizetype Bytes = 0;

    // picture's pixels are the most recent now; the oldest of the others give
    // theirs up while the total is above the limit.
    void Hold(const TQtPicture& picture) {
        Release(picture);
        if (picture.Still.isNull()) return;
        Recent.push_front(&picture);
        picture.BudgetPlace = Recent.begin();
        picture.HeldBytes = picture.Still.sizeInBytes();
        Bytes += picture.HeldBytes;
        Trim();
    }

    void Release(const TQtPicture& picture) {
        if (picture.HeldBytes == 0) return;
        Bytes -= picture.HeldBytes;
        picture.HeldBytes = 0;
        Recent.erase(picture.BudgetPlace);
    }

    void Trim() {
        while (Bytes > Limit && Recent.size() > 1) {
            const TQtPicture& oldest = *Recent.back();
            Release(oldest);
            oldest.Still = QImage();
        }
    }

private:
    std::list<const TQtPicture*> Recent;
};

namespace {

constexpr std::array<const char*, 6> Formats = {"png", "gif", "jpeg", "bmp", "xbm", "xpm"};

// The frames of one animation never take more memory than this; later frames
// are dropped and the animation runs through the ones it has.
constexpr qsizetype MaxFrameBytes = qsizetype{64} << 20;

const std::shared_ptr<TPixelBudget>& SharedBudget() {
    static const auto budget = std::make_shared<TPixelBudget>();
    return budget;
}

bool IsKnownFormat(const QByteArray& format) {
    return std::any_of(Formats.begin(), Formats.end(),
                       [&](const char* known) { return format == known; });
}

// Points reader at the picture in path, turned upright; false when path names
// no regular file (a FIFO or a device would block the reader or never end)
// or another format.
bool OpenPicture(QImageReader& reader, const QString& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), error))
        return false;
    reader.setFileName(path);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    return IsKnownFormat(reader.format());
}

// Frames in the two formats the painter draws fastest.
QImage Prepared(const QImage& frame) {
    return frame.convertToFormat(frame.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

void ReadFrames(QImageReader& reader, std::vector<QImage>& frames, std::vector<int32_t>& delays) {
    qsizetype bytes = 0;
    while (bytes <= MaxFrameBytes) {
        QImage frame = reader.read();
        if (frame.isNull() || (!frames.empty() && frame.size() != frames[0].size())) break;
        bytes += frame.sizeInBytes();
        frames.push_back(Prepared(frame));
        delays.push_back(reader.nextImageDelay());
        if (!reader.supportsAnimation()) break;
    }
}

// A picture whose size only decoding tells, or an animation, is decoded at once.
bool DecodesAtOnce(QImageReader& reader) {
    return !reader.size().isValid() || (reader.supportsAnimation() && reader.imageCount() != 1);
}

// The still picture in path decoded at size, upright; the size is the file's
// before turning, so a picture stored turned asks for it turned.
QImage ReadStill(const QString& path, QSize size, bool rotatedFile) {
    QImageReader reader;
    if (!OpenPicture(reader, path)) return {};
    reader.setScaledSize(rotatedFile ? size.transposed() : size);
    QImage image = reader.read();
    return image.isNull() ? image : Prepared(image);
}

}  // namespace

TQtPicture::~TQtPicture() {
    if (Budget) Budget->Release(*this);
}

const QImage* TQtPicture::Frame(int32_t frame, QSize pixels) const {
    if (Frames.empty()) return StillAt(pixels);
    int32_t last = static_cast<int32_t>(Frames.size()) - 1;
    return &Frames[static_cast<size_t>(std::clamp(frame, 0, last))];
}

// Pixels at least as large as asked keep serving, so one picture drawn at two
// sizes settles on the larger rather than decoding at every paint.
const QImage* TQtPicture::StillAt(QSize pixels) const {
    if (StillFailed) return nullptr;
    QSize wanted = pixels.boundedTo({Size.Width, Size.Height}).expandedTo({1, 1});
    if (Still.isNull() || Still.width() < wanted.width() || Still.height() < wanted.height()) {
        Still =
            ReadStill(Path, Still.isNull() ? wanted : wanted.expandedTo(Still.size()), RotatedFile);
        StillFailed = Still.isNull();
    }
    Budget->Hold(*this);
    return Still.isNull() ? nullptr : &Still;
}

std::unique_ptr<TPicture> DecodePicture(const std::string& path) {
    QImageReader reader;
    if (!OpenPicture(reader, QFile::decodeName(path.c_str()))) return nullptr;
    auto picture = std::make_unique<TQtPicture>();
    if (DecodesAtOnce(reader)) {
        ReadFrames(reader, picture->Frames, picture->FrameDelays);
        if (picture->Frames.empty()) return nullptr;
        picture->Size = {picture->Frames[0].width(), picture->Frames[0].height()};
    } else {
        picture->RotatedFile =
            (reader.transformation() & QImageIOHandler::TransformationRotate90) != 0;
        QSize size = picture->RotatedFile ? reader.size().transposed() : reader.size();
        if (size.isEmpty()) return nullptr;
        picture->Size = {size.width(), size.height()};
        picture->FrameDelays = {0};
        picture->Path = reader.fileName();
        picture->Budget = SharedBudget();
    }
    // Qt answers -1 for an animation that loops for ever, else the repeats after the first run.
    int loops = picture->IsAnimated() ? reader.loopCount() : 0;
    picture->Plays = loops < 0 ? 0 : loops + 1;
    return picture;
}

qsizetype DecodedStillBytes() { return SharedBudget()->Bytes; }

void LimitDecodedStills(qsizetype bytes) {
    SharedBudget()->Limit = bytes;
    SharedBudget()->Trim();
}

}  // namespace codelume
