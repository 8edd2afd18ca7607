// A document read from a string, with its blocks described as text for tests.
#pragma once

#include <string>
#include <vector>

#include "document/Section.h"
#include "reader/DocumentReader.h"

namespace codelume {

// Each block as its kind, and for text blocks the text in quotes: `pre "a b"`.
inline std::vector<std::string> BlocksOf(const TSectionList& document) {
    std::vector<std::string> blocks;
    for (const auto& block : document.Blocks) {
        std::string text = BlockKindName(block->Kind());
        if (const auto* section = dynamic_cast<const TSection*>(block.get()))
            text += " \"" + std::string(section->Text()) + "\"";
        blocks.push_back(text);
    }
    return blocks;
}

struct TReadPage {
    explicit TReadPage(const std::string& html) : Html(html) {
        Result =
            ParseDocumentBuffer(Document, Anchors, Html.data(), static_cast<int32_t>(Html.size()));
    }

    std::vector<std::string> Blocks() const { return BlocksOf(Document); }

    TSection& Section(int index) const { return dynamic_cast<TSection&>(*Document.Blocks[index]); }
    // The text block that holds text, the first when several do.
    TSection& SectionWith(const std::string& text) const {
        for (const auto& block : Document.Blocks)
            if (auto* section = dynamic_cast<TSection*>(block.get());
                section && section->Text() == text)
                return *section;
        throw std::runtime_error("no block holds " + text);
    }
    int IndexOf(const TSectionBase* block) const { return Document.Blocks.IndexOf(block); }

    std::string Html;
    TSectionList Document;
    TAnchorIndex Anchors;
    TReadResult Result;
};

}  // namespace codelume
