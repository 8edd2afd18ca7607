#include "formfile/FormFile.h"

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

// Reads the resource header and leaves input at the form data after it.
void SkipResourceHeader(TStream& input) {
    uint8_t header[HeaderBuffer] = {};
    int32_t count = input.Read(header, HeaderBuffer - 1);
    if (header[0] != OrdinalType || (header[1] | header[2] << 8) != RcData) throw EFormatError();
    auto nameLength =
        static_cast<int32_t>(std::strlen(reinterpret_cast<const char*>(header + NameOffset)));
    input.Seek(NameOffset + nameLength + HeaderTail - count, TSeekOrigin::soCurrent);
}

}  // namespace

void FormResourceToText(TStream& input, TStream& output) {
    SkipResourceHeader(input);
    FormBinaryToText(input, output);
}

void FormBinaryToText(TStream& input, TStream& output) { TFormDecoder(input, output).Convert(); }

}  // namespace codelume
