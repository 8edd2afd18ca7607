// Builds binary form streams value by value, so tests and sample files can
// make realistic forms: objects with flags, nested children and every kind
// of value. Each call appends its bytes; Data() is the stream so far.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace codelume {

class TFormWriter {
public:
    // Starts the stream with the signature "TPF0".
    TFormWriter();

    // An object record's header: prefix byte (when flags are given), child
    // position (when flags hold ofChildPos), class name, object name.
    TFormWriter& Object(std::string_view className, std::string_view name);
    TFormWriter& Object(std::string_view className, std::string_view name, uint8_t flags,
                        int32_t childPos = 0);
    // The property name; a value call follows.
    TFormWriter& Prop(std::string_view name);
    // The 0 that ends a property list, child list, list, collection or item.
    TFormWriter& End();

    TFormWriter& Int(int32_t value);  // in the narrowest integer kind
    TFormWriter& Int8(int8_t value);
    TFormWriter& Int16(int16_t value);
    TFormWriter& Int32(int32_t value);
    TFormWriter& Extended(long double value);
    TFormWriter& Single(float value);
    TFormWriter& Currency(int64_t stored);  // the amount times 10000
    TFormWriter& Date(double days);
    TFormWriter& String(std::string_view text);  // short up to 255 bytes, else long
    TFormWriter& LString(std::string_view text);
    TFormWriter& WString(std::u16string_view text);
    TFormWriter& Ident(std::string_view name);
    TFormWriter& False();
    TFormWriter& True();
    TFormWriter& Nil();
    TFormWriter& Set(std::initializer_list<std::string_view> names);
    TFormWriter& Binary(std::string_view bytes);
    // Opens a list or collection; its elements follow, then End().
    TFormWriter& List();
    TFormWriter& Collection();
    // Opens a collection item, with an index when given; properties follow, then End().
    TFormWriter& Item();
    TFormWriter& Item(int32_t index);

    TFormWriter& Byte(uint8_t value);
    TFormWriter& Bytes(std::string_view bytes);
    TFormWriter& Int32Bytes(int32_t value);  // four bytes, little-endian, no code

    const std::string& Data() const { return Stream; }

private:
    TFormWriter& ShortString(std::string_view text);
    TFormWriter& LittleEndian(uint64_t value, int count);

    std::string Stream;
};

// The form stream wrapped in the resource header of a .dfm file.
std::string WrapInResource(std::string_view name, std::string_view form);

}  // namespace codelume
