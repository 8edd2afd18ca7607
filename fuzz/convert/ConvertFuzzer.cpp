// Feeds arbitrary bytes to the tokenizer and the HTML converter. Every
// failure must be one of the converter's own errors; crashes, leaks, hangs and
// tokens that do not match the bytes they stand for are findings.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert/HtmlParser.h"

namespace {

using namespace codelume;

// Each token lies after the previous one, inside the data, on a line that
// starts before it, and is the bytes themselves; the space before it is
// whitespace of its line.
void CheckTokens(const std::string& bytes) {
    TMemoryStream input(bytes);
    try {
        TNewParser parser(input);
        int32_t end = 0;
        for (; parser.TokenKind() != TokEnd; parser.ReadToken()) {
            int32_t offset = parser.TokenOffset();
            if (offset < end || parser.TokenLength() <= 0 || parser.TokenLineStart() > offset ||
                parser.TokenEndLine() < parser.LineNumber())
                std::abort();
            end = offset + parser.TokenLength();
            if (end > static_cast<int32_t>(bytes.size())) std::abort();
            std::string_view source(bytes.data() + offset, static_cast<size_t>(end - offset));
            if (parser.TokenView() != source) std::abort();
            for (char c : parser.SpaceBefore())
                if (c == '\n' || static_cast<uint8_t>(c) > 32) std::abort();
        }
    } catch (const ECodelumeError&) {
    }
}

void Convert(const std::string& bytes, TKeywordSet keywords, bool fullPage) {
    TMemoryStream input(bytes), output;
    try {
        THtmlParser parser(input, output);
        parser.FullPage = fullPage;
        parser.FileName = "C:\\fuzz\\Unit<1>.pas";
        parser.SelectKeywords(keywords);
        parser.ConvertSource();
    } catch (const ECodelumeError&) {
        if (!output.Data().empty()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    CheckTokens(bytes);
    Convert(bytes, ksPascal, true);
    Convert(bytes, ksForm, false);
    return 0;
}
