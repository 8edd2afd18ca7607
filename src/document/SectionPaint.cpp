// Painting laid-out blocks into a band of a canvas: text pieces, selection,
// inline objects, list markers, and the page cut when printing.
#include <algorithm>
#include <string>

#include "base/Arith.h"
#include "base/Format.h"
#include "document/IndentManager.h"
#include "document/Section.h"
#include "document/SectionList.h"

namespace codelume {

namespace {

constexpr int32_t MaxPiece = 32000;

TColor Plain(TColor color) { return color & ~PaletteRelative; }

bool IsLightPage(TColor page) {
    TColor color = Plain(page);
    return color == clBtnFace || color == clWhite || color == clSilver || color == clWindow;
}

// The bullet colours by nesting depth on a light page; none for deeper levels.
std::optional<TColor> BulletColor(int32_t depth) {
    switch (depth) {
        case 1:
        case 4:
            return clNavy;
        case 2:
        case 5:
            return clMaroon;
        case 0:
        case 3:
            return clRed;
        default:
            return std::nullopt;
    }
}

// The numeral of n (1 to 20) in the case of the style, 'I' or 'i'.
std::string RomanNumeral(int32_t n, char style) {
    static constexpr const char* Numerals[] = {"I",    "II",  "III",  "IV",    "V",   "VI",   "VII",
                                               "VIII", "IX",  "X",    "XI",    "XII", "XIII", "XIV",
                                               "XV",   "XVI", "XVII", "XVIII", "XIX", "XX"};
    std::string numeral = Numerals[std::clamp(n, 1, 20) - 1];
    if (style == 'i')
        for (char& c : numeral) c = static_cast<char>(c - 'A' + 'a');
    return numeral;
}

}  // namespace

std::string OrderedMarker(char numberStyle, int32_t itemNumber) {
    std::string text;
    if (numberStyle == 'A' || numberStyle == 'a')
        text = static_cast<char>(numberStyle + std::clamp(itemNumber - 1, 0, 25));
    else if (numberStyle == 'I' || numberStyle == 'i')
        text = RomanNumeral(itemNumber, numberStyle);
    else
        text = Format("%d", itemNumber);
    return (text + ".").substr(0, 7);
}

// The state of painting one block: where it is, the band, the selection inside it.
class TBlockPainter {
public:
    TBlockPainter(TSection& section, TCanvas& canvas, const TRect& rect, IndentManager& manager,
                  int32_t x)
        : Section(section),
          Document(*section.Owner),
          Canvas(canvas),
          Rect(rect),
          Manager(manager),
          X(x) {
        bool selecting = !Document.ForPrinter && Document.SelStart < Document.SelEnd;
        SelStart = selecting ? Document.SelStart - section.FirstIndex : 0;
        SelEnd = selecting ? Document.SelEnd - section.FirstIndex : 0;
    }

    void PaintLines(int32_t y);

private:
    TSection& Section;
    TSectionList& Document;
    TCanvas& Canvas;
    const TRect& Rect;
    IndentManager& Manager;
    int32_t X;
    int32_t SelStart;
    int32_t SelEnd;

    bool CrossesPageEnd(const LineRec& line, int32_t y) const;
    void PaintMarker(const LineRec& line, int32_t y);
    void PaintContinuationMark(const LineRec& line, int32_t y);
    void PaintPieces(LineRec& line, int32_t y);
    int32_t PaintImage(TImageObj& image, const LineRec& line, int32_t penX, int32_t y,
                       int32_t floatTop);
    int32_t PaintControl(TFormControlObj& control, const LineRec& line, int32_t penX, int32_t y);
    int32_t PaintText(const LineRec& line, int32_t at, int32_t end, int32_t penX, int32_t y);
};

bool TBlockPainter::CrossesPageEnd(const LineRec& line, int32_t y) const {
    return Document.ForPrinter && Document.PageCut < CheckedAdd(line.Extent, y) &&
           line.Extent < Rect.Height();
}

void TBlockPainter::PaintLines(int32_t y) {
    for (int i = 0; i < Section.Lines.Count(); ++i) {
        LineRec& line = *Section.Lines[i];
        if (CrossesPageEnd(line, y)) {
            // The rest of the block goes on the next page.
            Document.PageCut = std::min(Document.PageCut, y);
            return;
        }
        y += line.GapAbove + line.TextHeight;
        if (i == 0) PaintMarker(line, y);
        PaintPieces(line, y);
        y += line.GapBelow;
    }
}

void TBlockPainter::PaintMarker(const LineRec& line, int32_t y) {
    int32_t edge = X + Section.TopLeftEdge;
    if (Section.MarkerKind == mkOrdered) {
        auto& item = static_cast<TOListItem&>(Section);
        std::string text = OrderedMarker(item.NumberStyle, item.ItemNumber);
        int32_t width = Canvas.TextExtent(Section.MarkerFont, text);
        Canvas.TextOut(Section.MarkerFont, edge - 5 - width,
                       y - line.LineDescent - Document.ScrollY, text, Section.MarkerFont.Color,
                       std::nullopt, std::nullopt);
    } else if (Section.MarkerKind == mkUnordered && !static_cast<TUListItem&>(Section).PlainItem) {
        int32_t cx = edge - 8, cy = y - line.TextHeight / 2 - Document.ScrollY;
        TRect disc{cx - 2, cy - 2, cx + 3, cy + 3};
        std::optional<TColor> color = BulletColor(Section.Depth);
        if (!IsLightPage(Document.PageColor))
            Canvas.Ellipse(disc, Document.FontColor, std::nullopt);
        else
            Canvas.Ellipse(disc, color.value_or(Document.FontColor),
                           color.value_or(Plain(Document.PageColor)));
    }
}

// A hooked arrow in the indent of a line that goes on from the one above, as
// lines, so that it is no text: the text of the printout stays the source's.
void TBlockPainter::PaintContinuationMark(const LineRec& line, int32_t y) {
    TColor color = Canvas.IsMonochrome() ? clBlack : clGray;
    int32_t right = X + line.LeftX - 2;
    int32_t left = right - std::max(4, line.Indent * 2 / 3);
    int32_t middle = y - line.LineDescent - line.TextHeight / 4 - Document.ScrollY;
    int32_t top = middle - line.TextHeight / 3;
    int32_t head = std::max(2, (right - left) / 3);
    Canvas.Line(TPoint{left, top}, TPoint{left, middle}, color);
    Canvas.Line(TPoint{left, middle}, TPoint{right, middle}, color);
    Canvas.Line(TPoint{right - head, middle - head}, TPoint{right, middle}, color);
    Canvas.Line(TPoint{right - head, middle + head}, TPoint{right, middle}, color);
}

void TBlockPainter::PaintPieces(LineRec& line, int32_t y) {
    int32_t penX = X + line.LeftX;
    line.PaintedX = penX;
    line.PaintedY = y - line.TextHeight;
    int32_t lineTop = line.PaintedY - line.GapAbove - Document.ScrollY;
    if (lineTop >= Rect.Bottom || y + line.GapBelow - Document.ScrollY <= Rect.Top) return;
    if (line.Indent > 0) PaintContinuationMark(line, y);
    int32_t at = static_cast<int32_t>(line.StartAt - Section.Chars.get());
    int32_t end = at + line.CharsInLine;
    for (bool lineStart = true; at < end; lineStart = false) {
        if (TImageObj* image = Section.Images.ImageAtIndex(at)) {
            // A float met first hangs from the line top, one met later below the line.
            int32_t floatTop = lineStart ? y - line.TextHeight - line.GapAbove : y;
            penX = PaintImage(*image, line, penX, y, floatTop);
            ++at;
        } else if (TFormControlObj* control = Section.Controls.ControlAtIndex(at)) {
            penX = PaintControl(*control, line, penX, y);
            ++at;
        } else {
            int32_t piece = std::min({Section.PieceLength(at, end - at), MaxPiece,
                                      at < SelStart ? SelStart - at
                                      : at < SelEnd ? SelEnd - at
                                                    : MaxPiece});
            penX = PaintText(line, at, at + piece, penX, y);
            at += piece;
        }
    }
}

int32_t TBlockPainter::PaintImage(TImageObj& image, const LineRec& line, int32_t penX, int32_t y,
                                  int32_t floatTop) {
    int32_t overhang = 0;
    const TMyFont& font = Section.Runs.FontAt(image.StartIndex, overhang);
    int32_t baseline = y - line.LineDescent;
    if (!image.IsFloating()) {
        image.Paint(Canvas, penX, font, baseline, y - line.TextHeight);
        return penX + image.ImageWidth;
    }
    image.Paint(Canvas, Manager.LeftBase + image.FloatX, font, baseline, floatTop);
    return penX;
}

int32_t TBlockPainter::PaintControl(TFormControlObj& control, const LineRec& line, int32_t penX,
                                    int32_t y) {
    int32_t top =
        y - control.Height - Document.ScrollY - (control.OnBaseline ? line.LineDescent : 0);
    // A control without a window on the panel draws its own image, as on paper.
    if (Document.ForPrinter || !control.HasWindow())
        control.PaintAt(Canvas, penX, top);
    else
        control.ShowAt(penX, top);
    control.Painted = true;
    return penX + control.Width;
}

int32_t TBlockPainter::PaintText(const LineRec& line, int32_t at, int32_t end, int32_t penX,
                                 int32_t y) {
    const TFontObj& run = *Section.Runs.RunAt(at);
    std::string_view text(Section.Chars.get() + at, static_cast<size_t>(end - at));
    bool selected = at >= SelStart && at < SelEnd;
    TColor color = run.Face.Color;
    std::optional<TColor> background;
    if (selected) {
        background = color;
        color = Document.PageColor;
    }
    if (Document.ForPrinter && Canvas.IsMonochrome()) color = clBlack;
    int32_t baseline = y - line.LineDescent - Document.ScrollY;
    int32_t left = penX - run.ItalicOverhang / 2;
    if (Section.Kind() == TBlockKind::Pre) {
        TRect clip{X, y - line.TextHeight - line.GapAbove - Document.ScrollY,
                   X + Manager.ClipWidthPx, y - Document.ScrollY};
        Canvas.TextOut(run.Face, left, baseline, text, color, background, clip);
    } else {
        int32_t shift = run.ScriptShift == ssSuperscript ? -(run.CellHeight / 3)
                        : run.ScriptShift == ssSubscript ? run.RunDescent / 2 + 1
                                                         : 0;
        Canvas.TextOut(run.Face, left, baseline + shift, text, color, background, std::nullopt);
    }
    return penX + Canvas.TextExtent(run.Face, text) - run.ItalicOverhang;
}

int32_t TSection::PaintAt(TCanvas& canvas, const TRect& rect, IndentManager& manager, int32_t x,
                          int32_t y) {
    TopY = y;
    int32_t below = y + BlockHeight;
    int32_t scrollY = Owner->ScrollY;
    if (y + PaintHeight - scrollY < rect.Top || y - scrollY >= rect.Bottom) return below;
    TBlockPainter(*this, canvas, rect, manager, x).PaintLines(y);
    return below;
}

int32_t TCell::PaintDocument(TCanvas& canvas, const TRect& rect, int32_t clipWidth, int32_t x,
                             int32_t y) {
    Manager.SetEdges(x, CheckedAdd(x, Manager.AvailWidth));
    Manager.ClipWidthPx = clipWidth;
    if (Spans.Count() != static_cast<size_t>(Blocks.Count())) {
        for (const auto& block : Blocks) y = block->PaintAt(canvas, rect, Manager, x, y);
        return y;
    }
    // Blocks that end above the band or start below it are not visited.
    int32_t bandTop = rect.Top + Document.ScrollY - y;
    int32_t bandBottom = rect.Bottom + Document.ScrollY - y;
    for (size_t i = Spans.FirstReaching(bandTop); i < Spans.Count() && Spans.Top(i) < bandBottom;
         ++i)
        Blocks[static_cast<int>(i)]->PaintAt(canvas, rect, Manager, x, y + Spans.Top(i));
    return y + LaidOutHeight;
}

int32_t TSectionList::PaintDocument(TCanvas& canvas, const TRect& rect, int32_t clipWidth,
                                    int32_t x, int32_t y) {
    PageCut = rect.Bottom;
    int32_t below = TCell::PaintDocument(canvas, rect, clipWidth, x, y);
    if (ScrollChanged) {
        for (TFormControlObj* control : FormControlList)
            if (!control->Painted && control->HasWindow()) control->Hide();
        ScrollChanged = false;
    }
    return below;
}

}  // namespace codelume
