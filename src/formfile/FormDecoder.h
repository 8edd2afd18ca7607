// Renders one form stream, from its signature to the end of the root object,
// as text. Reads and writes through buffers over the borrowed streams.
#pragma once

#include <cstdint>
#include <string>

#include "base/Stream.h"
#include "formfile/FormTextWriter.h"
#include "formfile/ReadBuffer.h"

namespace codelume {

class TFormDecoder {
public:
    // Objects, lists and collections nested deeper than this are refused.
    static constexpr int32_t MaxNesting = 256;

    TFormDecoder(TStream& input, TStream& output) : Input(input), Output(output) {}

    // Renders the stream; whatever happens, the text rendered is flushed.
    void Convert();

private:
    void ReadSignature();
    void ConvertObject();
    void ReadObjectHeader(uint8_t& flags, int32_t& childPos);
    void WriteObjectHeader(uint8_t flags, int32_t childPos);
    void ConvertProperties();
    void ConvertProperty();

    void ConvertValue();
    void ConvertList();
    void ConvertBinary();
    void ConvertSet();
    void ConvertCollection();
    void ConvertItem();
    void ConvertReal(uint8_t kind);
    long double ReadReal(uint8_t kind);
    void ConvertWord(uint8_t kind, std::string_view word);
    void ConvertString();
    void ConvertWideString();

    void EnterNesting();
    void LeaveNesting() { --Nesting; }
    void ExpectCode(uint8_t kind);
    int32_t ReadInteger();
    int32_t ReadInt32();
    void ReadShortString(std::string& text);
    void ReadBytes(std::string& text, int64_t count);

    TReadBuffer Input;
    TFormTextWriter Output;
    int32_t Nesting = 0;
    // Reused for every name and string value, so only one is held at a time.
    std::string ClassName;
    std::string ObjectName;
    std::string Text;
    std::u16string WideText;
};

}  // namespace codelume
