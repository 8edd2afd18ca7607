#include "support/FormWriter.h"

#include <bit>
#include <cmath>
#include <stdexcept>

#include "formfile/FormFile.h"

namespace codelume {

TFormWriter::TFormWriter() : Stream("TPF0") {}

TFormWriter& TFormWriter::Object(std::string_view className, std::string_view name) {
    return ShortString(className).ShortString(name);
}

TFormWriter& TFormWriter::Object(std::string_view className, std::string_view name, uint8_t flags,
                                 int32_t childPos) {
    Byte(static_cast<uint8_t>(FormPrefixMask | flags));
    if (flags & ofChildPos) Int(childPos);
    return Object(className, name);
}

TFormWriter& TFormWriter::Prop(std::string_view name) { return ShortString(name); }
TFormWriter& TFormWriter::End() { return Byte(fkNull); }

TFormWriter& TFormWriter::Int(int32_t value) {
    if (value >= INT8_MIN && value <= INT8_MAX) return Int8(static_cast<int8_t>(value));
    if (value >= INT16_MIN && value <= INT16_MAX) return Int16(static_cast<int16_t>(value));
    return Int32(value);
}

TFormWriter& TFormWriter::Int8(int8_t value) {
    return Byte(fkInt8).LittleEndian(static_cast<uint8_t>(value), 1);
}
TFormWriter& TFormWriter::Int16(int16_t value) {
    return Byte(fkInt16).LittleEndian(static_cast<uint16_t>(value), 2);
}
TFormWriter& TFormWriter::Int32(int32_t value) { return Byte(fkInt32).Int32Bytes(value); }

TFormWriter& TFormWriter::Extended(long double value) {
    uint64_t significand = 0;
    int exponent = 0;
    if (std::isinf(value) || std::isnan(value)) {
        significand = std::isnan(value) ? 0xC000000000000000u : 0x8000000000000000u;
        exponent = 0x7FFF;
    } else if (value != 0) {
        int power;
        long double fraction = std::frexp(std::fabs(value), &power);
        significand = static_cast<uint64_t>(std::ldexp(fraction, 64));
        exponent = power - 1 + 16383;
    }
    if (std::signbit(value)) exponent |= 0x8000;
    return Byte(fkExtended)
        .LittleEndian(significand, 8)
        .LittleEndian(static_cast<uint64_t>(exponent), 2);
}

TFormWriter& TFormWriter::Single(float value) {
    return Byte(fkSingle).LittleEndian(std::bit_cast<uint32_t>(value), 4);
}

TFormWriter& TFormWriter::Currency(int64_t stored) {
    return Byte(fkCurrency).LittleEndian(static_cast<uint64_t>(stored), 8);
}

TFormWriter& TFormWriter::Date(double days) {
    return Byte(fkDate).LittleEndian(std::bit_cast<uint64_t>(days), 8);
}

TFormWriter& TFormWriter::String(std::string_view text) {
    if (text.size() > 255) return LString(text);
    return Byte(fkString).ShortString(text);
}

TFormWriter& TFormWriter::LString(std::string_view text) {
    return Byte(fkLString).Int32Bytes(static_cast<int32_t>(text.size())).Bytes(text);
}

TFormWriter& TFormWriter::WString(std::u16string_view text) {
    Byte(fkWString).Int32Bytes(static_cast<int32_t>(text.size()));
    for (char16_t unit : text) LittleEndian(unit, 2);
    return *this;
}

TFormWriter& TFormWriter::Ident(std::string_view name) { return Byte(fkIdent).ShortString(name); }
TFormWriter& TFormWriter::False() { return Byte(fkFalse); }
TFormWriter& TFormWriter::True() { return Byte(fkTrue); }
TFormWriter& TFormWriter::Nil() { return Byte(fkNil); }

TFormWriter& TFormWriter::Set(std::initializer_list<std::string_view> names) {
    Byte(fkSet);
    for (std::string_view name : names) ShortString(name);
    return ShortString("");
}

TFormWriter& TFormWriter::Binary(std::string_view bytes) {
    return Byte(fkBinary).Int32Bytes(static_cast<int32_t>(bytes.size())).Bytes(bytes);
}

TFormWriter& TFormWriter::List() { return Byte(fkList); }
TFormWriter& TFormWriter::Collection() { return Byte(fkCollection); }
TFormWriter& TFormWriter::Item() { return Byte(fkList); }
TFormWriter& TFormWriter::Item(int32_t index) { return Int(index).Byte(fkList); }

TFormWriter& TFormWriter::Byte(uint8_t value) {
    Stream.push_back(static_cast<char>(value));
    return *this;
}

TFormWriter& TFormWriter::Bytes(std::string_view bytes) {
    Stream.append(bytes);
    return *this;
}

TFormWriter& TFormWriter::Int32Bytes(int32_t value) {
    return LittleEndian(static_cast<uint32_t>(value), 4);
}

TFormWriter& TFormWriter::ShortString(std::string_view text) {
    if (text.size() > 255) throw std::length_error("a short string holds at most 255 bytes");
    return Byte(static_cast<uint8_t>(text.size())).Bytes(text);
}

TFormWriter& TFormWriter::LittleEndian(uint64_t value, int count) {
    for (int i = 0; i < count; ++i) Byte(static_cast<uint8_t>(value >> (8 * i)));
    return *this;
}

std::string WrapInResource(std::string_view name, std::string_view form) {
    std::string bytes = "\xFF\x0A";
    bytes += '\0';
    bytes.append(name);
    bytes += '\0';
    bytes += "\x30\x10";  // memory flags: movable, pure, discardable
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>(form.size() >> (8 * i));
    return bytes.append(form);
}

}  // namespace codelume
