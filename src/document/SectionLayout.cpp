// Laying a text block out into lines: fitting, breaking, line heights, floats.
#include <algorithm>
#include <vector>

#include "base/Arith.h"
#include "canvas/Utf8.h"
#include "document/IndentManager.h"
#include "document/LineBreaks.h"
#include "document/Section.h"
#include "document/SectionList.h"
#include "document/TextFit.h"

namespace codelume {

namespace {

constexpr int32_t NoWrapWidth = 32000;

bool IsPlaceholder(char c) { return c == ImagePlaceholder || c == ControlPlaceholder; }
bool IsBreak(char c) { return c == ' ' || IsPlaceholder(c); }

}  // namespace

// The state of one block layout: the running Y, the floats met on the current
// line that wait for its end, and the height of the floats placed at its start.
class TLineBuilder {
public:
    TLineBuilder(TSection& section, TCanvas& canvas, IndentManager& manager, int32_t y)
        : Section(section), Canvas(canvas), Manager(manager), Y(y) {}

    int32_t Run();
    int32_t ClearDrop() const;
    // How far right of the left base the lines that ran past their edge reach.
    int32_t OverflowRight() const { return MaxRight; }

private:
    TSection& Section;
    TCanvas& Canvas;
    IndentManager& Manager;
    int32_t Y;
    std::vector<TImageObj*> Deferred;
    int32_t FloatHeight = 0;
    int32_t MaxRight = 0;

    const char* Chars() const { return Section.Chars.get(); }
    void AddClearLine();
    int32_t CountThatFits(int32_t width, int32_t count, int32_t start);
    bool FitObject(int32_t at, int32_t& used, bool& atLineStart);
    int32_t ChooseBreak(int32_t start, int32_t n, int32_t remaining) const;
    bool CanBreakBefore(int32_t at) const;
    int32_t CharacterBreak(int32_t start, int32_t n, int32_t remaining) const;
    int32_t ContinuationIndent() const;
    void CloseLine(int32_t start, int32_t n, int32_t fitted, int32_t indent);
    void MeasureTextHeight(LineRec& line, int32_t start, int32_t n, int32_t& lastDescent) const;
    void AddObjectGaps(LineRec& line, int32_t start, int32_t n, int32_t lastDescent) const;
    int32_t AlignedLeft(int32_t start, int32_t n) const;
    void AppendLine(std::unique_ptr<LineRec> line);
};

int32_t TLineBuilder::ClearDrop() const {
    TClearLines lines = Manager.ClearLines();
    int32_t left = std::max(0, lines.Left - Y - 1);
    int32_t right = std::max(0, lines.Right - Y - 1);
    switch (Section.ClearMode) {
        case cmLeft:
            return left;
        case cmRight:
            return right;
        case cmBoth:
            return std::max(left, right);
        default:
            return 0;
    }
}

// A clear gap is a line of its own, of the drop's height and without characters.
void TLineBuilder::AddClearLine() {
    int32_t drop = ClearDrop();
    if (drop <= 0) return;
    auto line = std::make_unique<LineRec>();
    line->StartAt = Chars();
    line->TextHeight = drop;
    line->Extent = drop;
    Section.Lines.Add(std::move(line));
    Y = CheckedAdd(Y, drop);
    Section.BlockHeight = CheckedAdd(Section.BlockHeight, drop);
}

int32_t TLineBuilder::Run() {
    AddClearLine();
    bool anyCharacter = Section.LineBreaks() == TLineBreaks::AnyCharacter;
    int32_t start = 0;
    while (start < Section.CharCount) {
        int32_t remaining = Section.CharCount - start;
        int32_t indent = anyCharacter && start > 0 ? ContinuationIndent() : 0;
        int32_t width = Section.LineWidthAt(Manager, Y) - indent;
        int32_t fitted = CountThatFits(width, remaining, start);
        // Every line takes at least one whole character.
        int32_t first = Utf8CharLength(Section.Text().substr(static_cast<size_t>(start)));
        int32_t n = std::max(first, fitted);
        n = anyCharacter ? CharacterBreak(start, n, remaining) : ChooseBreak(start, n, remaining);
        CloseLine(start, n, fitted, indent);
        start += n;
    }
    return Y;
}

// An image or control placeholder at `at`: adds what it costs on this line.
// Returns false when the position holds no object.
bool TLineBuilder::FitObject(int32_t at, int32_t& used, bool& atLineStart) {
    if (TImageObj* image = Section.Images.ImageAtIndex(at)) {
        if (!image->IsFloating()) {
            used = CheckedAdd(used, image->ImageWidth);
            atLineStart = false;
        } else if (atLineStart) {
            Manager.PlaceFloat(Y, *image);
            used = CheckedAdd(used, CheckedAdd(image->ImageWidth, image->HSpace));
            FloatHeight = std::max(FloatHeight, image->ImageHeight);
        } else {
            Deferred.push_back(image);
        }
        return true;
    }
    if (TFormControlObj* control = Section.Controls.ControlAtIndex(at)) {
        used = CheckedAdd(used, control->Width);
        atLineStart = false;
        return true;
    }
    return false;
}

int32_t TLineBuilder::CountThatFits(int32_t width, int32_t count, int32_t start) {
    FloatHeight = 0;
    int32_t used = 0, fitted = 0;
    bool atLineStart = true;
    while (fitted < count) {
        int32_t at = start + fitted;
        if (FitObject(at, used, atLineStart)) {
            if (used > width) return fitted;
            if (++fitted >= count) return count;
            continue;
        }
        int32_t piece = Section.PieceLength(at, count - fitted);
        TFit fit = FitText(Canvas, *Section.Runs.RunAt(at),
                           {Chars() + at, static_cast<size_t>(piece)}, width - used);
        if (fitted + fit.Count >= count) return count;
        fitted += fit.Count;
        if (fit.Count < piece) return fitted;
        used = CheckedAdd(used, fit.Width);
        atLineStart = false;
    }
    return fitted;
}

int32_t TLineBuilder::ChooseBreak(int32_t start, int32_t n, int32_t remaining) const {
    if (n >= remaining) return remaining;
    const char* chars = Chars();
    int32_t end = start + remaining;
    int32_t last = start + n - 1;
    auto skipSpaces = [&](int32_t at) {
        while (at < end && chars[at] == ' ') ++at;
        return at;
    };
    if (chars[last] == ' ') return skipSpaces(last + 1) - start;
    if (IsPlaceholder(chars[last + 1]) || CanBreakBefore(last + 1)) return n;
    // Back to the nearest break: after a space, an object or a zero-width
    // space, or around an ideograph.
    for (int32_t back = last; back > start; --back) {
        if (IsBreak(chars[back])) return back - start + 1;
        if (CanBreakBefore(back)) return back - start;
    }
    // The word is wider than the line: it runs on to its end and its spaces.
    int32_t wordEnd = last + 1;
    while (wordEnd < end && !IsBreak(chars[wordEnd]) && !CanBreakBefore(wordEnd)) ++wordEnd;
    return skipSpaces(wordEnd) - start;
}

bool TLineBuilder::CanBreakBefore(int32_t at) const {
    return IsBreakWithoutSpace(Section.Text(), at);
}

// After the last character that fits, never inside a UTF-8 sequence; a line
// takes at least one whole character.
int32_t TLineBuilder::CharacterBreak(int32_t start, int32_t n, int32_t remaining) const {
    if (n >= remaining) return remaining;
    std::string_view rest(Chars() + start, static_cast<size_t>(remaining));
    int32_t cut = Utf8SafeCut(rest, n);
    return cut > 0 ? cut : Utf8CharLength(rest);
}

// Two spaces of the block's first font: room for the mark of a continuation.
int32_t TLineBuilder::ContinuationIndent() const {
    return Canvas.TextExtent(Section.Runs.RunAt(0)->Face, "  ");
}

void TLineBuilder::MeasureTextHeight(LineRec& line, int32_t start, int32_t n,
                                     int32_t& lastDescent) const {
    const char* chars = Chars();
    if (std::all_of(chars + start, chars + start + n, IsPlaceholder)) return;
    const TFontList& runs = Section.Runs;
    for (int i = runs.RunIndexAt(start), last = runs.RunIndexAt(start + n - 1); i <= last; ++i) {
        line.TextHeight = std::max(line.TextHeight, runs[i]->CellHeight);
        line.LineDescent = std::max(line.LineDescent, runs[i]->RunDescent);
        lastDescent = runs[i]->RunDescent;
    }
}

void TLineBuilder::AddObjectGaps(LineRec& line, int32_t start, int32_t n,
                                 int32_t lastDescent) const {
    int32_t t = line.TextHeight;
    for (const auto& image : Section.Images.ImagesIn(start, n)) {
        if (image->IsFloating()) continue;
        int32_t h = image->ImageHeight;
        if (image->VAlign == iaTop) {
            line.GapBelow = std::max(line.GapBelow, h - t);
        } else if (image->VAlign == iaMiddle) {
            int32_t c = (h - t) / 2;
            line.GapBelow = std::max(line.GapBelow, c);
            line.GapAbove = std::max(line.GapAbove, h - t - c);
        } else {
            line.GapAbove = std::max(line.GapAbove, h - (t - lastDescent));
        }
    }
    for (const TFormControlObj* control : Section.Controls.ControlsIn(start, n)) {
        int32_t rise =
            control->OnBaseline ? control->Height - (t - lastDescent) : control->Height - t;
        line.GapAbove = std::max(line.GapAbove, rise);
    }
}

int32_t TLineBuilder::AlignedLeft(int32_t start, int32_t n) const {
    int32_t left = Manager.LeftEdgeAt(Y);
    if (Section.Align == taLeftJustify) return left;
    int32_t right = Manager.RightEdgeAt(Y);
    int32_t w = Section.TextWidthOf(Canvas, start, TTrim::TrailingSpaces, n);
    // A line wider than its room starts at the left edge and runs past the right one.
    if (Section.Align == taCenter) return std::max(left, (right + left - w) / 2);
    return std::max(left, right - w);
}

// A line that holds more than fitted may run past its edge: then it widens the block.
void TLineBuilder::CloseLine(int32_t start, int32_t n, int32_t fitted, int32_t indent) {
    auto line = std::make_unique<LineRec>();
    int32_t lastDescent = 0;
    MeasureTextHeight(*line, start, n, lastDescent);
    AddObjectGaps(*line, start, n, lastDescent);
    line->StartAt = Chars() + start;
    line->CharsInLine = n;
    line->LeftX = AlignedLeft(start, n) + indent;
    line->Indent = indent;
    if (n > fitted)
        MaxRight = std::max(
            MaxRight, CheckedAdd(line->LeftX - Manager.LeftBase,
                                 Section.TextWidthOf(Canvas, start, TTrim::TrailingSpaces, n)));
    AppendLine(std::move(line));
}

void TLineBuilder::AppendLine(std::unique_ptr<LineRec> line) {
    int32_t full = CheckedAdd(CheckedAdd(line->GapAbove, line->TextHeight), line->GapBelow);
    Section.BlockHeight = CheckedAdd(Section.BlockHeight, full);
    Y = CheckedAdd(Y, full);
    line->Extent = std::max(full, FloatHeight);
    // Floats met inside the line hang below it; one the break left for the next
    // line is met again there.
    int32_t lineEnd = static_cast<int32_t>(line->StartAt - Chars()) + line->CharsInLine;
    for (TImageObj* image : Deferred) {
        if (image->StartIndex >= lineEnd) continue;
        Manager.PlaceFloat(Y, *image);
        line->Extent = std::max(line->Extent, CheckedAdd(full, image->ImageHeight));
    }
    Deferred.clear();
    Section.Lines.Add(std::move(line));
}

void TSection::MeasureRuns(TCanvas& canvas) {
    for (const auto& run : Runs) run->MeasureRun(canvas);
}

int32_t TSection::PieceLength(int32_t start, int32_t count) const {
    int32_t length = std::min({count, Runs.RunLengthAt(start, CharCount), Images.ImageGapAt(start),
                               Controls.ControlGapAt(start)});
    return std::max(length, 1);
}

int32_t TSection::LineWidthAt(const IndentManager& manager, int32_t y) const {
    return manager.RightEdgeAt(y) - manager.LeftEdgeAt(y);
}

bool TPreformatted::WrapsLines() const { return Owner != nullptr && Owner->ForPrinter; }

int32_t TPreformatted::LineWidthAt(const IndentManager& manager, int32_t y) const {
    return WrapsLines() ? TSection::LineWidthAt(manager, y) : NoWrapWidth;
}

TLineBreaks TPreformatted::LineBreaks() const {
    return WrapsLines() ? TLineBreaks::AnyCharacter : TLineBreaks::AtSpaces;
}

void TSection::LayoutObjects(TCanvas& canvas, int32_t y, const IndentManager& manager,
                             int32_t& maxWidth) {
    int32_t available = manager.RightEdgeAt(y) - manager.LeftEdgeAt(y);
    int32_t overhang = 0;
    for (const auto& image : Images) {
        image->LayoutImage(canvas, available, Runs.FontAt(image->StartIndex, overhang));
        maxWidth = std::max(maxWidth, CheckedAdd(image->ImageWidth, IndentPx));
    }
    for (const TFormControlObj* control : Controls)
        if (control->HasWindow())
            maxWidth = std::max(maxWidth, CheckedAdd(control->Width, IndentPx));
}

int32_t TSection::LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager, int32_t& maxWidth,
                           int32_t& curs) {
    TopY = y;
    FirstIndex = curs;
    BlockHeight = 0;
    Lines.Clear();
    manager.SetNesting(y, Depth);
    MeasureRuns(canvas);
    TLineBuilder builder(*this, canvas, manager, y);
    if (CharCount == 0) {
        BlockHeight = PaintHeight = builder.ClearDrop();
        maxWidth = 0;
        return BlockHeight;
    }
    TopLeftEdge = manager.LeftEdgeAt(y);
    maxWidth = manager.AvailWidth;
    LayoutObjects(canvas, y, manager, maxWidth);
    builder.Run();
    maxWidth = std::max(maxWidth, builder.OverflowRight());
    curs = CheckedAdd(FirstIndex, CharCount);
    if (Depth > 0) BlockHeight = std::max(BlockHeight, manager.NestBottom() - TopY);
    PaintHeight = std::max(manager.FloatBottom() - TopY, BlockHeight);
    return BlockHeight;
}

int32_t TPreformatted::LayoutAt(TCanvas& canvas, int32_t y, IndentManager& manager,
                                int32_t& maxWidth, int32_t& curs) {
    if (WrapsLines()) return TSection::LayoutAt(canvas, y, manager, maxWidth, curs);
    int32_t available = manager.AvailWidth;
    manager.AvailWidth = NoWrapWidth;
    int32_t height = TSection::LayoutAt(canvas, y, manager, maxWidth, curs);
    manager.AvailWidth = available;
    maxWidth = UnbrokenWidth(canvas);  // the layout has just measured the runs
    return height;
}

}  // namespace codelume
