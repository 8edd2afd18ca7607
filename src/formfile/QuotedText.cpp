#include "formfile/QuotedText.h"

#include "base/Arith.h"

namespace codelume {

namespace {

constexpr int32_t CharsPerLine = 64;
constexpr char16_t Apostrophe = 39;

bool IsQuotable(char16_t unit) { return unit >= 32 && unit <= 255 && unit != Apostrophe; }
bool IsQuotable(char byte) { return IsQuotable(static_cast<char16_t>(static_cast<uint8_t>(byte))); }

int32_t UnitCode(char16_t unit) { return unit; }
int32_t UnitCode(char byte) { return static_cast<uint8_t>(byte); }

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The code unit at a position that the caller has checked.
template <typename TText>
auto At(const TText& text, int32_t index) {
    return text[static_cast<size_t>(index)];
}

int32_t SequenceLength(uint8_t lead) {
    return lead >= 0xF0 && lead <= 0xF7 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// Moves a line cut that would fall inside a UTF-8 sequence back to the
// sequence's lead byte, but not before start, the first byte of the run.
int32_t KeepCharacterWhole(const std::string& text, int32_t start, int32_t cut) {
    if (cut >= CheckedLength(text.size()) || !IsContinuation(static_cast<uint8_t>(At(text, cut))))
        return cut;
    for (int32_t lead = cut - 1; lead >= start && cut - lead < 4; --lead) {
        auto byte = static_cast<uint8_t>(At(text, lead));
        if (!IsContinuation(byte)) return SequenceLength(byte) > cut - lead ? lead : cut;
    }
    return cut;
}

// Each unit is written as its own byte, so no cut can split a character.
int32_t KeepCharacterWhole(const std::u16string&, int32_t, int32_t cut) { return cut; }

void WriteUnits(TFormTextWriter& out, const std::string& text, int32_t from, int32_t to) {
    out.Write(text.data() + from, to - from);
}

void WriteUnits(TFormTextWriter& out, const std::u16string& text, int32_t from, int32_t to) {
    for (int32_t i = from; i < to; ++i) out.WriteChar(static_cast<char>(At(text, i)));
}

// Scans the printable run that starts at start on the line that started at
// lineStart and returns where it ends: at a character that is not quotable or
// when the line is full.
template <typename TText>
int32_t ScanQuotable(const TText& text, int32_t length, int32_t start, int32_t lineStart) {
    int32_t i = start;
    while (i < length && IsQuotable(At(text, i)) && i - lineStart < CharsPerLine) ++i;
    return i;
}

// Writes the quoted run at start and returns the position after it, together
// with whether the line is full.
template <typename TText>
int32_t WriteQuotedRun(TFormTextWriter& out, const TText& text, int32_t length, int32_t start,
                       int32_t lineStart, bool& lineFull) {
    int32_t end = ScanQuotable(text, length, start, lineStart);
    lineFull = end - lineStart >= CharsPerLine;
    if (lineFull) end = KeepCharacterWhole(text, start, end);
    if (end > start) {  // a cut moved back to the run's start leaves nothing to quote here
        out.WriteChar('\'');
        WriteUnits(out, text, start, end);
        out.WriteChar('\'');
    }
    return end;
}

template <typename TText>
void WriteTextLines(TFormTextWriter& out, const TText& text) {
    int32_t length = CheckedLength(text.size());
    if (length == 0) return out.Write("''");
    out.IncLevel();
    if (length > CharsPerLine) out.NewLine();
    int32_t i = 0;
    int32_t lineStart = 0;
    while (i < length) {
        bool lineFull;
        if (IsQuotable(At(text, i))) {
            i = WriteQuotedRun(out, text, length, i, lineStart, lineFull);
        } else {
            out.WriteChar('#');
            out.WriteDecimal(UnitCode(At(text, i)));
            ++i;
            lineFull = i - lineStart >= CharsPerLine;
        }
        if (lineFull && i < length) {
            out.Write(" +");
            out.NewLine();
            lineStart = i;
        }
    }
    out.DecLevel();
}

}  // namespace

void WriteQuotedText(TFormTextWriter& out, const std::string& text) { WriteTextLines(out, text); }

void WriteQuotedText(TFormTextWriter& out, const std::u16string& text) {
    WriteTextLines(out, text);
}

}  // namespace codelume
