// Mapping points and indices back onto laid-out blocks: characters, caret,
// links, images, search, and the selected text.
#include <algorithm>
#include <string>

#include "canvas/Utf8.h"
#include "document/CharOrder.h"
#include "document/Section.h"
#include "document/SectionList.h"

namespace codelume {

namespace {

constexpr int32_t MaxSearchLength = 255;

// Folds the capitals of ASCII, Latin-1, Greek and Cyrillic to their small
// letters; each small letter takes as many UTF-8 bytes as its capital.
char32_t FoldCase(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
        (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    return c;
}

// The text with every character folded, byte for byte as long as the text, so
// that an offset into one is the same offset into the other. Bytes that start
// no character stay as they are.
std::string FoldedText(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    while (!text.empty()) {
        int length = Utf8SequenceLength(text);
        if (length == 0) {
            auto byte = static_cast<unsigned char>(text[0]);
            folded += static_cast<char>(byte < 0x80 ? FoldCase(byte) : byte);
            length = 1;
        } else {
            AppendUtf8(folded, FoldCase(DecodeUtf8(text)));
        }
        text.remove_prefix(static_cast<size_t>(length));
    }
    return folded;
}

// The offset of the first whole-character match of wanted in chars from start, or npos.
size_t FindCharacters(std::string_view chars, std::string_view wanted, size_t start) {
    for (size_t at = chars.find(wanted, start); at != std::string_view::npos;
         at = chars.find(wanted, at + 1))
        if (!IsUtf8Continuation(chars[at])) return at;
    return std::string_view::npos;
}

// An image drawn with a link border (inside a link, BORDER not 0) answers
// 2 pixels less of its painted rectangle.
int32_t BorderInset(const TImageObj& image, const TUrlTarget& link) {
    return link.IsLink() && image.Border != 0 ? 2 : 0;
}

// The bordered picture answers; the space around it does not.
bool ImageContains(const TImageObj& image, int32_t inset, int32_t x, int32_t y) {
    TRect rect{image.DrawX + image.MarginX, image.DrawY + image.MarginY,
               image.DrawX + image.ImageWidth - image.MarginX - inset,
               image.DrawY + image.ImageHeight - image.MarginY - inset};
    return rect.Contains(x, y);
}

}  // namespace

// The line whose full height holds y (relative to the block top), with its top
// and the characters of the lines above it; none when y is below the last line.
const LineRec* TSection::LineAt(int32_t y, int32_t& top, int32_t& before) const {
    top = before = 0;
    for (const auto& line : Lines) {
        if (y < top + line->FullHeight()) return line.get();
        top += line->FullHeight();
        before += line->CharsInLine;
    }
    return nullptr;
}

TCharHit TSection::CharIndexAt(TCanvas& canvas, int32_t x, int32_t y) {
    int32_t top = 0, before = 0;
    const LineRec* line = LineAt(y, top, before);
    if (!line) return {};
    int32_t start = static_cast<int32_t>(line->StartAt - Chars.get());
    int32_t k = 0;
    if (x >= line->PaintedX) {
        k = CharsInWidth(canvas, x - line->PaintedX, line->CharsInLine, start);
        int32_t caretX = line->PaintedX + TextWidthOf(canvas, start, TTrim::Keep, k);
        if (k < line->CharsInLine) {
            // The caret goes to the nearer boundary of the character under x.
            std::string_view rest(Chars.get() + start + k,
                                  static_cast<size_t>(line->CharsInLine - k));
            int32_t length = std::max(1, Utf8SequenceLength(rest));
            if (caretX + TextWidthOf(canvas, start + k, TTrim::Keep, length) / 2 < x) k += length;
        }
    }
    return {FirstIndex + before + k, line->TextHeight, top + line->GapAbove};
}

bool TSection::CaretPoint(TCanvas& canvas, int32_t index, TPoint& point) {
    if (CharCount == 0 || index < FirstIndex || index > FirstIndex + CharCount) return false;
    int32_t offset = index - FirstIndex, y = TopY;
    for (const auto& line : Lines) {
        if (offset < line->CharsInLine) {
            int32_t start = static_cast<int32_t>(line->StartAt - Chars.get());
            point = {line->LeftX + TextWidthOf(canvas, start, TTrim::Keep, offset), y};
            return true;
        }
        offset -= line->CharsInLine;
        y += line->FullHeight();
    }
    return false;
}

bool TSection::CharAt(int32_t index, char& ch, TSectionBase*& block) {
    if (index < FirstIndex || index >= FirstIndex + CharCount) return false;
    ch = Chars[static_cast<size_t>(index - FirstIndex)];
    block = this;
    return true;
}

bool TSection::ImageLinkAt(int32_t x, int32_t y, TLinkHit& hit) const {
    for (const auto& image : Images) {
        const TUrlTarget& link = Runs.RunAt(image->StartIndex)->Link;
        if (!ImageContains(*image, BorderInset(*image, link), x, y)) continue;
        int32_t inX = x - image->PictureOrigin().X, inY = y - image->PictureOrigin().Y;
        if (image->Control) {
            hit.Control = image->Control;
            return true;
        }
        if (image->MapLinkAt(inX, inY, hit.Link)) return true;
        if (!link.IsLink()) continue;
        hit.Link = link;
        if (image->IsMap) hit.Link.Url += "?" + std::to_string(inX) + "," + std::to_string(inY);
        return true;
    }
    return false;
}

bool TSection::LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit) {
    if (ImageLinkAt(x, TopY + y, hit)) return true;
    int32_t top = 0, before = 0;
    const LineRec* line = LineAt(y, top, before);
    if (!line || x < line->PaintedX) return false;
    int32_t start = static_cast<int32_t>(line->StartAt - Chars.get());
    int32_t k = CharsInWidth(canvas, x - line->PaintedX, line->CharsInLine, start);
    if (k >= line->CharsInLine) return false;
    const TUrlTarget& link = Runs.RunAt(start + k)->Link;
    if (!link.IsLink()) return false;
    hit.Link = link;
    return true;
}

bool TSection::ImageAt(int32_t x, int32_t y, TImageHit& hit) {
    int32_t documentY = TopY + y;
    for (const auto& image : Images) {
        int32_t inset = BorderInset(*image, Runs.RunAt(image->StartIndex)->Link);
        if (!ImageContains(*image, inset, x, documentY)) continue;
        hit = {image.get(), x - image->PictureOrigin().X, documentY - image->PictureOrigin().Y};
        return true;
    }
    return false;
}

int32_t TSection::SearchText(int32_t from, std::string_view text, TCaseSense sense) {
    if (CharCount == 0 || text.empty() || from >= FirstIndex + CharCount) return -1;
    std::string_view chars = Text();
    size_t start = static_cast<size_t>(std::max(from - FirstIndex, 0));
    size_t found = std::string_view::npos;
    if (sense == TCaseSense::Match) {
        found = FindCharacters(chars, text, start);
    } else {
        text = text.substr(0, static_cast<size_t>(Utf8SafeCut(text, MaxSearchLength)));
        found = FindCharacters(FoldedText(chars), FoldedText(text), start);
    }
    return found == std::string_view::npos ? -1 : FirstIndex + static_cast<int32_t>(found);
}

void TSection::EmitSelectedText() {
    TSectionList& document = *Owner;
    int32_t selStart = document.SelStart - FirstIndex, selEnd = document.SelEnd - FirstIndex;
    int32_t lineStart = 0;
    for (const auto& line : Lines) {
        int32_t lineEnd = lineStart + line->CharsInLine;
        if (lineStart < selEnd && lineEnd >= selStart) {
            int32_t from = std::max(selStart - lineStart, 0),
                    to = std::min(selEnd - lineStart, line->CharsInLine);
            if (from == 0)
                for (int32_t k = line->LeftX / 35; k > 0; --k) document.TextSink->AddText("   ");
            document.TextSink->AddText(
                {line->StartAt + from, static_cast<size_t>(std::max(to - from, 0))});
            if (to == line->CharsInLine) document.TextSink->AddText("\r\n");
        }
        lineStart = lineEnd;
    }
}

TCharHit TCell::CharIndexAt(TCanvas& canvas, int32_t x, int32_t y) {
    int32_t top = 0;
    int index = 0;
    TSectionBase* block = BlockAt(y, top, index);
    if (!block) return {};
    TCharHit hit = block->CharIndexAt(canvas, x, y - top);
    if (hit.Index >= 0) hit.LineTop += top;
    return hit;
}

// Before the first layout, or with blocks added since, every block is asked.
template <typename TAsk>
bool TCell::AskBlocksHolding(int32_t index, TAsk ask) const {
    if (Spans.Count() != static_cast<size_t>(Blocks.Count()))
        return std::any_of(Blocks.begin(), Blocks.end(),
                           [&](const auto& block) { return ask(*block); });
    return AskPartsHolding(
        Blocks, index, [](const auto& block) -> const TSectionBase& { return *block; },
        [&](const auto& block) { return ask(*block); });
}

bool TCell::CaretPoint(TCanvas& canvas, int32_t index, TPoint& point) {
    return AskBlocksHolding(
        index, [&](TSectionBase& block) { return block.CaretPoint(canvas, index, point); });
}

bool TCell::CharAt(int32_t index, char& ch, TSectionBase*& block) {
    if (index < FirstIndex || index >= FirstIndex + CharCount) return false;
    return AskBlocksHolding(index, [&](TSectionBase& b) { return b.CharAt(index, ch, block); });
}

bool TCell::Holds(const TSectionBase* block) const {
    return std::any_of(Blocks.begin(), Blocks.end(),
                       [block](const auto& b) { return b->Holds(block); });
}

int32_t TCell::SearchText(int32_t from, std::string_view text, TCaseSense sense) {
    for (const auto& block : Blocks)
        if (int32_t found = block->SearchText(from, text, sense); found >= 0) return found;
    return -1;
}

// Blocks whose painted range holds y are asked in order until one answers:
// after a layout only those between the first that reaches below y and the
// first that starts below it.
template <typename TAsk>
bool TCell::AskBlocksAt(int32_t y, TAsk ask) const {
    size_t first = 0, end = static_cast<size_t>(Blocks.Count());
    if (Spans.Count() == end) {
        first = Spans.FirstReaching(y);
        end = Spans.FirstStarting(int64_t{y} + 1);
    }
    if (first >= end) return false;
    int32_t top = first == 0 ? 0 : Spans.Top(first);
    for (size_t i = first; i < end; ++i) {
        TSectionBase& block = *Blocks[static_cast<int>(i)];
        if (y >= top && y < top + block.PaintHeight && ask(block, y - top)) return true;
        top += block.BlockHeight;
    }
    return false;
}

bool TCell::LinkAt(TCanvas& canvas, int32_t x, int32_t y, TLinkHit& hit) {
    return AskBlocksAt(
        y, [&](TSectionBase& block, int32_t inY) { return block.LinkAt(canvas, x, inY, hit); });
}

bool TCell::ImageAt(int32_t x, int32_t y, TImageHit& hit) {
    return AskBlocksAt(
        y, [&](TSectionBase& block, int32_t inY) { return block.ImageAt(x, inY, hit); });
}

void TCell::EmitSelectedText() {
    for (const auto& block : Blocks) {
        if (block->FirstIndex >= Document.SelEnd) break;
        if (block->FirstIndex + block->CharCount > Document.SelStart) block->EmitSelectedText();
    }
}

}  // namespace codelume
