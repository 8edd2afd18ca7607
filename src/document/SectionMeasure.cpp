// Measuring a text block: piece widths, fitting to a width, width bounds.
#include <algorithm>

#include "base/Arith.h"
#include "canvas/Utf8.h"
#include "document/LineBreaks.h"
#include "document/Section.h"
#include "document/TextFit.h"

namespace codelume {

namespace {

// The prefix measured first when fitting text: about what a narrow line holds.
constexpr int32_t FirstProbe = 16;

}  // namespace

TFit FitText(TCanvas& canvas, const TFontObj& run, std::string_view text, int32_t space) {
    // The width of the whole characters in the first n bytes: measuring part
    // of a character would count a replacement mark, and a prefix could seem
    // wider than a longer one.
    auto widthOf = [&](int32_t n) {
        size_t whole = static_cast<size_t>(Utf8SafeCut(text, n));
        return canvas.TextExtent(run.Face, text.substr(0, whole)) - run.ItalicOverhang;
    };
    int32_t length = static_cast<int32_t>(text.size());
    // Prefixes twice as long each time until one does not fit, so that a line
    // measures about what it holds rather than the whole rest of its run.
    int32_t low = 0, high = length, width = 0;  // low fits, high + 1 does not
    for (int32_t probe = std::min(length, FirstProbe);;
         probe = probe > length / 2 ? length : 2 * probe) {
        int32_t w = widthOf(probe);
        if (w > space) {
            high = probe - 1;
            break;
        }
        low = probe;
        width = w;
        if (probe == length) return {length, w};
    }
    // The longest prefix that fits, by bisection: one measurement per probe.
    while (low < high) {
        int32_t middle = low + (high - low + 1) / 2;
        int32_t w = widthOf(middle);
        if (w <= space) {
            low = middle;
            width = w;
        } else {
            high = middle - 1;
        }
    }
    int32_t safe = Utf8SafeCut(text, low);
    return {safe, safe > 0 ? width : 0};
}

int32_t TSection::TextWidthOf(TCanvas& canvas, int32_t start, TTrim trim, int32_t count) const {
    const char* chars = Chars.get();
    if (trim == TTrim::TrailingSpaces)
        while (count > 1 && chars[start + count - 1] == ' ') --count;
    int32_t width = 0;
    for (int32_t at = start, end = start + count; at < end;) {
        if (const TImageObj* image = Images.ImageAtIndex(at)) {
            if (!image->IsFloating()) width = CheckedAdd(width, image->ImageWidth);
            ++at;
        } else if (const TFormControlObj* control = Controls.ControlAtIndex(at)) {
            width = CheckedAdd(width, control->Width);
            ++at;
        } else {
            int32_t piece = PieceLength(at, end - at);
            const TFontObj& run = *Runs.RunAt(at);
            width = CheckedAdd(
                width, canvas.TextExtent(run.Face, {chars + at, static_cast<size_t>(piece)}) -
                           run.ItalicOverhang);
            at += piece;
        }
    }
    return width;
}

int32_t TSection::CharsInWidth(TCanvas& canvas, int32_t x, int32_t count, int32_t start) const {
    int32_t used = 0, fitted = 0;
    while (fitted < count) {
        int32_t at = start + fitted;
        const TImageObj* image = Images.ImageAtIndex(at);
        const TFormControlObj* control = image ? nullptr : Controls.ControlAtIndex(at);
        if (image || control) {
            if (!image || !image->IsFloating())
                used = CheckedAdd(used, image ? image->ImageWidth : control->Width);
            if (used > x) return fitted;
            ++fitted;
            continue;
        }
        int32_t piece = PieceLength(at, count - fitted);
        TFit fit = FitText(canvas, *Runs.RunAt(at), {Chars.get() + at, static_cast<size_t>(piece)},
                           x - used);
        fitted += fit.Count;
        if (fit.Count < piece) return fitted;
        used = CheckedAdd(used, fit.Width);
    }
    return std::min(fitted, count);
}

void TSection::WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) {
    minWidth = maxWidth = 0;
    if (CharCount == 0) return;
    MeasureRuns(canvas);
    int32_t floatSum = 0, overhang = 0;
    for (const auto& image : Images) {
        image->LayoutImage(canvas, 0, Runs.FontAt(image->StartIndex, overhang));
        if (image->PercentWidth) continue;
        if (image->IsFloating())
            floatSum = CheckedAdd(floatSum, CheckedAdd(image->ImageWidth, image->HSpace));
        else
            minWidth = std::max(minWidth, image->ImageWidth);
    }
    maxWidth =
        CheckedAdd(CheckedAdd(floatSum, TextWidthOf(canvas, 0, TTrim::Keep, CharCount)), IndentPx);
    // Words end at spaces and images, after zero-width spaces and around
    // ideographs; a control belongs to the word it stands in.
    std::string_view text = Text();
    auto isGap = [&](int32_t i) {
        return text[static_cast<size_t>(i)] == ' ' ||
               text[static_cast<size_t>(i)] == ImagePlaceholder;
    };
    for (int32_t at = 0; at < CharCount;) {
        if (isGap(at)) {
            ++at;
            continue;
        }
        int32_t end = at + 1;
        while (end < CharCount && !isGap(end) && !IsBreakWithoutSpace(text, end)) ++end;
        minWidth = std::max(minWidth, TextWidthOf(canvas, at, TTrim::Keep, end - at));
        at = end;
    }
    minWidth = CheckedAdd(minWidth, CheckedAdd(floatSum, IndentPx));
}

void TPreformatted::WidthBounds(TCanvas& canvas, int32_t& minWidth, int32_t& maxWidth) {
    MeasureRuns(canvas);
    maxWidth = UnbrokenWidth(canvas);
    minWidth = std::min(500, maxWidth);
}

int32_t TPreformatted::UnbrokenWidth(TCanvas& canvas) const {
    return CheckedAdd(TextWidthOf(canvas, 0, TTrim::Keep, CharCount), IndentPx);
}

}  // namespace codelume
