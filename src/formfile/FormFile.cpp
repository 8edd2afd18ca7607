#include "formfile/FormFile.h"

#include <algorithm>
#include <cstring>

#include "formfile/FormDecoder.h"

namespace codelume {

namespace {

constexpr uint8_t OrdinalType = 0xFF;
constexpr uint16_t RcData = 10;
constexpr int32_t HeaderBuffer = 80;
constexpr int32_t NameOffset = 3;
// The memory flags and the data size that follow the name's zero byte.
constexpr int32_t HeaderTail = 7;

bool IsResourceHeader(const uint8_t* header) {
    return header[0] == OrdinalType && (header[1] | header[2] << 8) == RcData;
}

// Reads the resource header and leaves input at the form data after it.
void SkipResourceHeader(TStream& input) {
    uint8_t header[HeaderBuffer] = {};
    int32_t count = input.Read(header, HeaderBuffer - 1);
    if (!IsResourceHeader(header)) throw EFormatError();
    auto nameLength =
        static_cast<int32_t>(std::strlen(reinterpret_cast<const char*>(header + NameOffset)));
    input.Seek(NameOffset + nameLength + HeaderTail - count, TSeekOrigin::soCurrent);
}

}  // namespace

TBinaryForm BinaryFormOf(TStream& input) {
    uint8_t head[4] = {};
    int32_t count = input.Read(head, sizeof head);
    input.Seek(-int64_t{std::max(count, 0)}, TSeekOrigin::soCurrent);
    if (IsResourceHeader(head)) return TBinaryForm::bfResource;
    if (std::memcmp(head, FormSignature.data(), FormSignature.size()) == 0)
        return TBinaryForm::bfStream;
    return TBinaryForm::bfNone;
}

void FormResourceToText(TStream& input, TStream& output) {
    SkipResourceHeader(input);
    FormBinaryToText(input, output);
}

void FormBinaryToText(TStream& input, TStream& output) { TFormDecoder(input, output).Convert(); }

}  // namespace codelume
