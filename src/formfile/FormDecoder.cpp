#include "formfile/FormDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/Errors.h"
#include "formfile/FormFile.h"
#include "formfile/QuotedText.h"
#include "formfile/RealFormat.h"

namespace codelume {

namespace {

constexpr int32_t BinaryChunk = 32;
// Strings grow as their bytes arrive (at least by StringChunk, at most
// doubling), so a length that the input cannot back reserves little memory.
constexpr int64_t StringChunk = 65536;
constexpr int64_t MaxChunk = int64_t{1} << 30;

[[noreturn]] void RaiseInvalidValue() { throw EReadError("Invalid property value"); }
[[noreturn]] void RaiseInvalidFormat() { throw EReadError("Invalid stream format"); }

// Codes whose low seven bits name no kind: they are neither read nor written.
bool IsInertCode(uint8_t code) { return (code & 0x7F) == fkNull || (code & 0x7F) > fkWString; }

uint64_t LittleEndian(const uint8_t* bytes, int count) {
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
    return value;
}

}  // namespace

void TFormDecoder::Convert() {
    try {
        ReadSignature();
        ConvertObject();
        Output.Flush();
    } catch (...) {
        Output.Flush();
        throw;
    }
    Input.GiveBack();
}

void TFormDecoder::ReadSignature() {
    char signature[FormSignature.size()];
    constexpr auto length = static_cast<int32_t>(FormSignature.size());
    if (Input.ReadUpTo(signature, length) != length ||
        std::memcmp(signature, FormSignature.data(), FormSignature.size()) != 0)
        RaiseInvalidFormat();
}

void TFormDecoder::ConvertObject() {
    EnterNesting();
    uint8_t flags = 0;
    int32_t childPos = 0;
    ReadObjectHeader(flags, childPos);
    WriteObjectHeader(flags, childPos);
    Output.IncLevel();
    ConvertProperties();
    while (Input.PeekByte() != fkNull) ConvertObject();
    Input.ReadByte();
    Output.DecLevel();
    Output.Indent();
    Output.Write("end\r\n");
    LeaveNesting();
}

void TFormDecoder::ReadObjectHeader(uint8_t& flags, int32_t& childPos) {
    if ((Input.PeekByte() & FormPrefixMask) == FormPrefixMask) {
        flags = Input.ReadByte() & 0x0F;
        if (flags & ofChildPos) childPos = ReadInteger();
    }
    ReadShortString(ClassName);
    ReadShortString(ObjectName);
}

void TFormDecoder::WriteObjectHeader(uint8_t flags, int32_t childPos) {
    Output.Indent();
    Output.Write(flags & ofInherited ? "inherited " : "object ");
    if (!ObjectName.empty()) {
        Output.Write(ObjectName);
        Output.Write(": ");
    }
    Output.Write(ClassName);
    if (flags & ofChildPos) {
        Output.Write(" [");
        Output.WriteDecimal(childPos);
        Output.WriteChar(']');
    }
    Output.EndLine();
}

// Property records up to the 0 that ends them, which is consumed.
void TFormDecoder::ConvertProperties() {
    while (Input.PeekByte() != fkNull) ConvertProperty();
    Input.ReadByte();
}

void TFormDecoder::ConvertProperty() {
    Output.Indent();
    ReadShortString(Text);
    Output.Write(Text);
    Output.Write(" = ");
    ConvertValue();
    Output.EndLine();
}

void TFormDecoder::ConvertValue() {
    uint8_t code = Input.PeekByte();
    switch (code & 0x7F) {
        case fkList:
            return ConvertList();
        case fkInt8:
        case fkInt16:
        case fkInt32:
            return Output.WriteDecimal(ReadInteger());
        case fkExtended:
        case fkSingle:
        case fkCurrency:
        case fkDate:
            return ConvertReal(code & 0x7F);
        case fkString:
        case fkLString:
            return ConvertString();
        case fkIdent:
            ExpectCode(fkIdent);
            ReadShortString(Text);
            return Output.Write(Text);
        case fkFalse:
            return ConvertWord(fkFalse, "False");
        case fkTrue:
            return ConvertWord(fkTrue, "True");
        case fkNil:
            return ConvertWord(fkNil, "nil");
        case fkBinary:
            return ConvertBinary();
        case fkSet:
            return ConvertSet();
        case fkCollection:
            return ConvertCollection();
        case fkWString:
            return ConvertWideString();
        default:
            return;  // no kind: the byte is left for the caller
    }
}

void TFormDecoder::ConvertList() {
    EnterNesting();
    Input.ReadByte();
    Output.WriteChar('(');
    Output.IncLevel();
    while (Input.PeekByte() != fkNull) {
        Output.NewLine();
        // Such an element would consume nothing and repeat for ever.
        if (IsInertCode(Input.PeekByte())) RaiseInvalidValue();
        ConvertValue();
    }
    Input.ReadByte();
    Output.DecLevel();
    Output.WriteChar(')');
    LeaveNesting();
}

void TFormDecoder::ConvertBinary() {
    Input.ReadByte();
    Output.WriteChar('{');
    Output.IncLevel();
    int32_t remaining = ReadInt32();
    bool multiLine = remaining >= BinaryChunk;
    uint8_t chunk[BinaryChunk];
    while (remaining > 0) {
        if (multiLine) Output.NewLine();
        int32_t count = std::min(remaining, BinaryChunk);
        Input.Read(chunk, count);
        Output.WriteHex(chunk, count);
        remaining -= count;
    }
    Output.DecLevel();
    Output.WriteChar('}');
}

void TFormDecoder::ConvertSet() {
    Input.ReadByte();
    Output.WriteChar('[');
    for (bool first = true;; first = false) {
        ReadShortString(Text);
        if (Text.empty()) break;
        if (!first) Output.Write(", ");
        Output.Write(Text);
    }
    Output.WriteChar(']');
}

void TFormDecoder::ConvertCollection() {
    EnterNesting();
    Input.ReadByte();
    Output.WriteChar('<');
    Output.IncLevel();
    while (Input.PeekByte() != fkNull) ConvertItem();
    Input.ReadByte();
    Output.DecLevel();
    Output.WriteChar('>');
    LeaveNesting();
}

void TFormDecoder::ConvertItem() {
    Output.NewLine();
    Output.Write("item");
    uint8_t code = Input.PeekByte();
    if (code == fkInt8 || code == fkInt16 || code == fkInt32) {
        Output.Write(" [");
        Output.WriteDecimal(ReadInteger());
        Output.WriteChar(']');
    }
    Output.EndLine();
    if (Input.ReadByte() != fkList) RaiseInvalidValue();
    Output.IncLevel();
    ConvertProperties();
    Output.DecLevel();
    Output.Indent();
    Output.Write("end");
}

void TFormDecoder::ConvertReal(uint8_t kind) {
    ExpectCode(kind);
    char text[MaxRealText];
    Output.Write(text, FormatReal(ReadReal(kind), text));
    Output.Write(kind == fkSingle ? "s" : kind == fkCurrency ? "c" : kind == fkDate ? "d" : "");
}

long double TFormDecoder::ReadReal(uint8_t kind) {
    uint8_t bytes[10];
    Input.Read(bytes, kind == fkExtended ? 10 : kind == fkSingle ? 4 : 8);
    switch (kind) {
        case fkExtended:
            return DecodeExtended(bytes);
        case fkSingle:
            return std::bit_cast<float>(static_cast<uint32_t>(LittleEndian(bytes, 4)));
        case fkCurrency:
            return static_cast<long double>(static_cast<int64_t>(LittleEndian(bytes, 8)));
        default:
            return std::bit_cast<double>(LittleEndian(bytes, 8));
    }
}

void TFormDecoder::ConvertWord(uint8_t kind, std::string_view word) {
    ExpectCode(kind);
    Output.Write(word);
}

void TFormDecoder::ConvertString() {
    uint8_t code = Input.ReadByte();
    int32_t length;
    if (code == fkString)
        length = Input.ReadByte();
    else if (code == fkLString)
        length = ReadInt32();
    else
        RaiseInvalidValue();
    if (length < 0) RaiseInvalidValue();
    ReadBytes(Text, length);
    WriteQuotedText(Output, Text);
}

void TFormDecoder::ConvertWideString() {
    ExpectCode(fkWString);
    int32_t count = ReadInt32();
    if (count < 0) RaiseInvalidValue();
    ReadBytes(Text, static_cast<int64_t>(count) * 2);
    WideText.resize(static_cast<size_t>(count));
    const auto* unit = reinterpret_cast<const uint8_t*>(Text.data());
    for (char16_t& wide : WideText) {
        wide = static_cast<char16_t>(LittleEndian(unit, 2));
        unit += 2;
    }
    WriteQuotedText(Output, WideText);
}

void TFormDecoder::EnterNesting() {
    if (Nesting == MaxNesting) RaiseInvalidFormat();
    ++Nesting;
}

void TFormDecoder::ExpectCode(uint8_t kind) {
    if (Input.ReadByte() != kind) RaiseInvalidValue();
}

int32_t TFormDecoder::ReadInteger() {
    uint8_t bytes[4];
    switch (Input.ReadByte()) {
        case fkInt8:
            return static_cast<int8_t>(Input.ReadByte());
        case fkInt16:
            Input.Read(bytes, 2);
            return static_cast<int16_t>(LittleEndian(bytes, 2));
        case fkInt32:
            return ReadInt32();
        default:
            RaiseInvalidValue();
    }
}

int32_t TFormDecoder::ReadInt32() {
    uint8_t bytes[4];
    Input.Read(bytes, 4);
    return static_cast<int32_t>(static_cast<uint32_t>(LittleEndian(bytes, 4)));
}

void TFormDecoder::ReadShortString(std::string& text) {
    uint8_t length = Input.ReadByte();
    text.resize(length);
    Input.Read(text.data(), length);
}

void TFormDecoder::ReadBytes(std::string& text, int64_t count) {
    text.clear();
    while (static_cast<int64_t>(text.size()) < count) {
        auto done = static_cast<int64_t>(text.size());
        int64_t chunk = std::min({count - done, std::max(StringChunk, done), MaxChunk});
        text.resize(static_cast<size_t>(done + chunk));
        Input.Read(text.data() + done, static_cast<int32_t>(chunk));
    }
}

}  // namespace codelume
