// The symbol sets the document builder dispatches on, the style tags, and
// the alignment values of ALIGN texts.
#pragma once

#include <string_view>

#include "document/FontObj.h"
#include "document/HtmlSymbols.h"
#include "document/Section.h"
#include "reader/SymbolTables.h"

namespace codelume {

// The text-level symbols of the inline routine (TABLE is not among them).
const TSymbolSet& InlineSymbols();
// OL, UL, DIR, MENU, DL, BLOCKQUOTE: the tags that open a list.
const TSymbolSet& ListTags();
// Their end symbols; any of them closes the innermost list.
const TSymbolSet& ListEnds();
// LI, DD and DT: the tags that start an item of the open list.
const TSymbolSet& ListItemTags();
// CENTER and DIV, and their end symbols.
const TSymbolSet& BlockTags();
const TSymbolSet& BlockEnds();

// Adds or removes the style bit of B, I, U, S and their kin; false for
// any other symbol.
bool ApplyStyleTag(THtmlSymbol symbol, TRunStyle& style);
// SUB and SUP and their end tags set the script position; false otherwise.
bool ApplyScriptTag(THtmlSymbol symbol, TRunStyle& style);

// "left", "center" or "right" in any case; fallback for anything else.
TAlignment AlignmentOf(std::string_view text, TAlignment fallback);

}  // namespace codelume
