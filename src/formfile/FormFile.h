// Renders a binary form stream (the streaming format of .dfm files) as
// indented text: nested "object ... end" blocks of "name = value" lines.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/Errors.h"
#include "base/Stream.h"

namespace codelume {

// The kind code that starts every value of a form stream.
enum TFormValueKind : uint8_t {
    fkNull = 0,
    fkList = 1,
    fkInt8 = 2,
    fkInt16 = 3,
    fkInt32 = 4,
    fkExtended = 5,
    fkString = 6,
    fkIdent = 7,
    fkFalse = 8,
    fkTrue = 9,
    fkBinary = 10,
    fkSet = 11,
    fkLString = 12,
    fkNil = 13,
    fkCollection = 14,
    fkSingle = 15,
    fkCurrency = 16,
    fkDate = 17,
    fkWString = 18,
};

// Flags in the low four bits of an object record's optional prefix byte.
constexpr uint8_t ofInherited = 1;
constexpr uint8_t ofChildPos = 2;
// The prefix byte is present when its high four bits are all set.
constexpr uint8_t FormPrefixMask = 0xF0;

// The four bytes that open every form stream.
constexpr std::string_view FormSignature = "TPF0";

// How a binary form is stored: behind a resource header (byte 0xFF, then the
// 16-bit type 10), as a bare form stream (starting with the signature), or not
// at all (form text, or no form).
enum class TBinaryForm : uint8_t { bfNone, bfResource, bfStream };

// Looks at the first bytes from input's position, which it keeps.
TBinaryForm BinaryFormOf(TStream& input);

// The resource header does not announce a form: the file is no binary form.
class EFormatError : public ECodelumeError {
public:
    EFormatError() : ECodelumeError("Invalid stream format") {}
};

// Checks and skips the resource header at Input's position, then renders the
// form stream that follows, as FormBinaryToText does.
void FormResourceToText(TStream& input, TStream& output);

// Reads the signature and the root object from Input's position and appends
// their text to Output. On failure the text rendered so far is in Output; on
// success Input stands just after the root object.
void FormBinaryToText(TStream& input, TStream& output);

}  // namespace codelume
