// The columns of the output line, so that a tab becomes the spaces up to the
// next stop of 8 in every viewer and on paper.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Arith.h"
#include "base/Stream.h"

namespace codelume {

// What one column of the source is: a byte, or a character of UTF-8 text.
enum class TColumnUnit : uint8_t { cuByte, cuUtf8Character };

// cuUtf8Character when the bytes from `from` to the end of stream are all
// valid UTF-8, else cuByte. The stream's position is kept.
TColumnUnit ColumnUnitOf(TStream& stream, int64_t from);

class TColumnCounter {
public:
    static constexpr int32_t TabSize = 8;

    explicit TColumnCounter(TColumnUnit unit) : Unit(unit) {}

    void StartLine() { Column = 0; }
    // Counts ASCII text that holds no tab and no line break.
    void AdvanceAscii(std::string_view text) {
        Column = CheckedAdd(Column, CheckedLength(text.size()));
    }
    // Counts text that holds no tab and no line break.
    void Advance(std::string_view text);
    // text with its tabs expanded: text itself when it has none, else scratch
    // filled with it. A CR or LF in text starts a new line.
    std::string_view Expand(std::string_view text, std::string& scratch);
    // How many spaces a whitespace byte between tokens becomes, counted: the
    // spaces up to the next stop for a tab, one for any other.
    size_t SpacesFor(char whitespace);

private:
    int32_t ColumnsOf(std::string_view text) const;
    // Counts text that holds no tab; a CR or LF in it starts a new line.
    void AdvanceOver(std::string_view text);
    int32_t SpacesToNextStop() const { return TabSize - Column % TabSize; }

    TColumnUnit Unit;
    int32_t Column = 0;
};

}  // namespace codelume
