// Finds a text block anywhere in a cell: among its blocks and, in order, in
// the captions and cells of its tables.
#pragma once

#include "document/Cell.h"
#include "document/Section.h"
#include "objects/HtmlTable.h"

namespace codelume {

template <typename TMatch>
const TSection* FindSection(const TCell& cell, const TMatch& matches) {
    for (const auto& block : cell.Blocks) {
        if (const auto* section = dynamic_cast<const TSection*>(block.get());
            section && matches(section->Text()))
            return section;
        const auto* table = dynamic_cast<const THtmlTable*>(block.get());
        if (!table) continue;
        if (const TSection* found = FindSection(table->Caption, matches)) return found;
        for (const auto& row : table->Rows)
            for (const auto& cellObj : *row)
                if (const TSection* found = FindSection(cellObj->Cell, matches)) return found;
    }
    return nullptr;
}

}  // namespace codelume
