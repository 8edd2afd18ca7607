#include "reader/HtmlReader.h"

#include <algorithm>

#include "document/GapBlocks.h"

namespace codelume {

THtmlReader::THtmlReader(TSectionList& document, TAnchorIndex& anchorIndex,
                         std::unique_ptr<TByteSource> source, TIncludeType onInclude,
                         TSoundType onSoundRequest, TTextKind kind)
    : THtmlScanner(std::move(source), std::move(onInclude), kind),
      Document(document),
      CurrentCell(&document),
      AnchorIndex(anchorIndex),
      OnSoundRequest(std::move(onSoundRequest)) {
    FontStack.reserve(MaxFontLevel);
    FontStack.push_back(Document.BaseFont());
    CurrentSection =
        std::make_unique<TSection>(0, taLeftJustify, TUrlTarget(), FontStack.front(), Style);
}

void THtmlReader::ReadHtml() {
    try {
        NextChar();
        NextSymbol();
        ParseBody(0, TSymbolSet());
    } catch (...) {
        FinishParse();
        throw;
    }
    FinishParse();
}

void THtmlReader::ReadText() {
    try {
        NextChar();
        ParseText();
    } catch (...) {
        FinishParse();
        throw;
    }
    FinishParse();
}

// The open block is kept. An exception inside a table may leave CurrentCell on
// a cell that went with the table; the block is dropped then.
void THtmlReader::FinishParse() {
    Attributes.Clear();
    if (CurrentSection) FlushPending();
    if (CurrentCell == &Document) {
        if (CurrentSection) PlaceTagIds();
        AddCurrentSection();
    } else {
        CurrentSection.reset();
    }
}

// An element's id is an anchor at its place: the block that receives the
// first content after its start tag, the element's own text for a heading,
// paragraph or item, the text around it for an inline element. Taken in
// document order, so the first of two equal names wins.
void THtmlReader::PlaceTagIds() {
    for (const std::string& id : TagIds) AnchorIndex.Add(id, CurrentSection.get());
    TagIds.clear();
}

void THtmlReader::ParseTitle() {
    Title.clear();
    NextSymbol();
    while (Sym == TextSymbol) {
        Title += Token;
        NextSymbol();
    }
}

void THtmlReader::ParseBase() {
    for (const auto& attribute : Attributes) {
        if (attribute->Kind == HrefSy) Base = attribute->Text;
        if (attribute->Kind == TargetSy) BaseTarget = attribute->Text;
    }
    NextSymbol();
}

bool THtmlReader::PushFont() {
    if (FontLevel() >= MaxFontLevel) return false;
    FontStack.push_back(FontStack.back());
    return true;
}

void THtmlReader::PopFont() {
    if (FontLevel() > 1) FontStack.pop_back();
}

void THtmlReader::PopFontsTo(int32_t level) {
    while (FontLevel() > std::max(level, 1)) FontStack.pop_back();
}

void THtmlReader::CloseLink() {
    if (InLink) {
        CurrentLink.Clear();
        InLink = false;
        PopFont();
    }
    if (CurrentSection) CurrentSection->ChangeLink(Document, TopFont(), TUrlTarget(), Style);
}

void THtmlReader::AddCurrentSection() { CurrentCell->AddSection(std::move(CurrentSection)); }

// Text beyond a block's limit goes on in a new block like it, so nothing is
// dropped and laying out one block stays bounded. Near the limit the cut waits
// for a space, so a word is split only when it fills the rest of the block.
void THtmlReader::AppendText(std::string_view text) {
    const TSection& block = *CurrentSection;
    if (text.empty() || block.CharCount == 0) {
        CurrentSection->AppendText(text);
        return;
    }
    int64_t after = int64_t{block.CharCount} + static_cast<int64_t>(text.size());
    // The space stays at the end of the full block: a new one drops a leading space.
    bool betweenWords = block.Text().back() == ' ';
    if (after > MaxBlockChars || (after > MaxBlockChars - BlockCutSlack && betweenWords))
        ContinueSection();
    CurrentSection->AppendText(text);
}

// The new block has the full one's kind, depth and alignment, and the font
// the text goes on in. A list item goes on without a second marker.
void THtmlReader::ContinueSection() {
    const TSection& full = *CurrentSection;
    std::unique_ptr<TSection> next;
    switch (full.Kind()) {
        case TBlockKind::Pre:
            next = NewPreSection(full.Depth);
            break;
        case TBlockKind::UListItem:
        case TBlockKind::OListItem:
        case TBlockKind::DListItem:
            next = std::make_unique<TDListItem>(full.Depth, CurrentLink, TopFont(), Style);
            break;
        default:
            next = NewSection(full.Depth, full.Align);
    }
    AddCurrentSection();
    CurrentSection = std::move(next);
}

void THtmlReader::EnsureSection(int32_t level) {
    if (!CurrentSection) CurrentSection = NewSection(level, Justification);
}

std::unique_ptr<TSection> THtmlReader::NewSection(int32_t level, TAlignment align) {
    return std::make_unique<TSection>(level, align, CurrentLink, TopFont(), Style);
}

void THtmlReader::StartRun() {
    if (CurrentSection) CurrentSection->StartFontRun(Document, TopFont(), Style);
}

void THtmlReader::AddRule() {
    AddCurrentSection();
    CurrentCell->AddSection(std::make_unique<THorzLine>(Attributes));
    NextSymbol();
}

}  // namespace codelume
