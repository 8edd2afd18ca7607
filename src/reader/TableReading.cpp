// Tables: rows, cells and the caption are read into the table's own cells, and
// the finished table joins the cell the TABLE tag stood in.
#include "base/Ascii.h"
#include "objects/AttributeValues.h"
#include "objects/HtmlTable.h"
#include "reader/HtmlReader.h"
#include "reader/SymbolTables.h"

namespace codelume {
namespace {

// The symbols that end the body of a cell or of the caption.
const TSymbolSet& TableTerminators() {
    static const TSymbolSet set =
        Symbols({TableEndSy, TDSy, TDEndSy, TRSy, TREndSy, THSy, THEndSy, CaptionSy, CaptionEndSy});
    return set;
}

// The reading of one table. Fonts, links and bold never leak from one cell
// into the next, and the reader's state is left as the TABLE tag found it.
class TTableReader {
public:
    TTableReader(THtmlReader& reader, int32_t level);
    void Read();

private:
    void ParseOuterText();
    void StartCell();
    void StartRow();
    void EndRow();
    void ParseCaption();
    void CloseCell();
    void AppendRow();
    void UnwindCellState();
    void ParseCellBody();
    void Finish();

    THtmlReader& R;
    TCell* OuterCell;
    TAlignment SavedJustification;
    TFontStyles SavedOverlay;
    int32_t SavedFontLevel;
    std::unique_ptr<THtmlTable> Table;
    std::unique_ptr<TCellList> Row;
    std::unique_ptr<TCellObj> CellObj;
    int32_t RowVAlign = cvMiddle;
    int32_t RowAlign = 0;  // 0 none, else the TAlignment of the row's cells
};

TTableReader::TTableReader(THtmlReader& reader, int32_t level) : R(reader) {
    if (R.InLink) R.CloseLink();
    SavedFontLevel = R.FontLevel();
    R.AddCurrentSection();
    OuterCell = R.CurrentCell;
    SavedJustification = R.Justification;
    SavedOverlay = R.Style.StyleOverlay;
    R.CurrentCell = nullptr;
    Table = std::make_unique<THtmlTable>(R.Document, level, R.Justification, R.Attributes);
}

// A read that an exception ends still hands over what it has, so that no cell
// of the reader points into a table that is gone.
void TTableReader::Read() {
    try {
        R.NextSymbol();
        while (R.Sym != TableEndSy && R.Sym != EofSymbol) {
            switch (R.Sym) {
                case TextSymbol:
                    ParseOuterText();
                    break;
                case TDSy:
                case THSy:
                    StartCell();
                    break;
                case TDEndSy:
                case THEndSy:
                    CloseCell();
                    R.NextSymbol();
                    break;
                case TRSy:
                    StartRow();
                    break;
                case TREndSy:
                    EndRow();
                    break;
                case CaptionSy:
                    ParseCaption();
                    break;
                default:
                    R.NextSymbol();
                    break;
            }
        }
    } catch (...) {
        Finish();
        throw;
    }
    if (R.InLink) R.CloseLink();
    R.PopFontsTo(SavedFontLevel);
    Finish();
    R.NextSymbol();
}

// Text between cells lands before the table, in the outer cell.
void TTableReader::ParseOuterText() {
    TCell* saved = R.CurrentCell;
    R.CurrentCell = OuterCell;
    R.ParseBody(0, TableTerminators());
    R.AddCurrentSection();
    R.CurrentCell = saved;
}

void TTableReader::StartCell() {
    bool header = R.Sym == THSy;
    UnwindCellState();
    if (Row) {
        CloseCell();
    } else {
        Row = std::make_unique<TCellList>();
        RowVAlign = cvMiddle;
        RowAlign = 0;
    }
    TAlignment fallback = header ? taCenter : taLeftJustify;
    R.Justification = RowAlign != 0 ? static_cast<TAlignment>(RowAlign) : fallback;
    if (header)
        R.Style.StyleOverlay |= fsBold;
    else
        R.Style.StyleOverlay &= static_cast<TFontStyles>(~fsBold);
    if (int32_t align = CellAlignOf(R.Attributes); align != 0)
        R.Justification = static_cast<TAlignment>(align);
    CellObj =
        std::make_unique<TCellObj>(R.Document, R.Attributes, VAlignOf(R.Attributes, RowVAlign));
    R.CurrentCell = &CellObj->Cell;
    R.SkipSpaces();
    ParseCellBody();
}

// A cell starts at depth 0 with a leading paragraph space suppressed.
void TTableReader::ParseCellBody() {
    R.NextSymbol();
    R.AfterParagraphSpace = true;
    R.ParseBody(0, TableTerminators());
}

void TTableReader::StartRow() {
    if (R.InLink) R.CloseLink();
    if (Row) {
        CloseCell();
        AppendRow();
    }
    Row = std::make_unique<TCellList>(R.Attributes);
    RowVAlign = VAlignOf(R.Attributes, cvMiddle);
    RowAlign = CellAlignOf(R.Attributes);
    R.NextSymbol();
}

void TTableReader::EndRow() {
    if (R.InLink) R.CloseLink();
    if (Row) {
        CloseCell();
        AppendRow();
    }
    R.NextSymbol();
}

void TTableReader::ParseCaption() {
    UnwindCellState();
    CloseCell();
    if (const TAttribute* align = R.Attributes.Find(AlignSy))
        Table->CaptionOnTop = LowerAscii(align->Text) != "bottom";
    R.CurrentCell = &Table->Caption;
    R.Justification = taCenter;
    R.NextSymbol();
    R.ParseBody(0, TableTerminators());
    R.AddCurrentSection();
    R.CurrentCell = nullptr;
    if (R.Sym == CaptionEndSy) R.NextSymbol();
}

// The open block joins the cell being read; a finished cell object joins its row.
void TTableReader::CloseCell() {
    if (R.CurrentCell == nullptr) return;
    R.AddCurrentSection();
    if (CellObj && R.CurrentCell == &CellObj->Cell && Row) Row->Add(std::move(CellObj));
    CellObj.reset();
    R.CurrentCell = nullptr;
}

void TTableReader::AppendRow() { Table->AddRow(std::move(Row)); }

void TTableReader::UnwindCellState() {
    if (R.InLink) R.CloseLink();
    R.PopFontsTo(SavedFontLevel);
    R.Style.StyleOverlay = SavedOverlay;
}

void TTableReader::Finish() {
    CloseCell();
    if (Row) AppendRow();
    R.CurrentCell = OuterCell;
    OuterCell->AddSection(std::move(Table));
    R.Style.StyleOverlay = SavedOverlay;
    R.Justification = SavedJustification;
}

}  // namespace

void THtmlReader::ParseTable(int32_t level) { TTableReader(*this, level).Read(); }

}  // namespace codelume
