#include "DocumentTestSupport.h"

namespace codelume {

std::unique_ptr<TSection> TDocumentTest::MakeText(std::string_view text, TAlignment align,
                                                  int32_t depth) {
    auto section = std::make_unique<TSection>(depth, align, TUrlTarget{}, Doc.BaseFont(), Style);
    section->AppendText(text);
    return section;
}

int32_t TDocumentTest::Layout(int32_t width) {
    int32_t maxWidth = 0, curs = 0;
    return Doc.LayoutDocument(Canvas, 0, width, maxWidth, curs);
}

std::vector<std::string> LineTexts(const TSection& section) {
    std::vector<std::string> texts;
    for (const auto& line : section.Lines)
        texts.emplace_back(line->StartAt, static_cast<size_t>(line->CharsInLine));
    return texts;
}

}  // namespace codelume
