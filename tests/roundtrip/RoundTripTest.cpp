// Pages written by the converter, read back by the reader and laid out with
// fixed metrics: the preformatted lines must carry the source line for line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "PageExpectation.h"
#include "PascalCorpus.h"
#include "base/Stream.h"
#include "canvas/FixedCanvas.h"
#include "convert/Conversion.h"
#include "document/Section.h"
#include "formfile/FormFile.h"
#include "reader/DocumentReader.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::ElementsAreArray;

constexpr int32_t ViewerWidth = 600;

// The text of every preformatted block as its laid-out lines hold it.
std::vector<std::string> LaidOutPreLines(const TSectionList& document) {
    std::vector<std::string> lines;
    for (const auto& block : document.Blocks) {
        if (block->Kind() != TBlockKind::Pre) continue;
        std::string text;
        for (const auto& line : static_cast<const TSection&>(*block).Lines)
            text.append(line->StartAt, static_cast<size_t>(line->CharsInLine));
        lines.push_back(text);
    }
    return lines;
}

// Converts the file as `codelume-cli convert` does, reads the page as the
// viewer does and lays it out.
std::vector<std::string> RoundTrip(const std::string& source) {
    TTempDir folder;
    std::string page = folder.File("page.htm");
    ConvertToPage(source, page, TOverwrite::owReplace);
    TSectionList document;
    TAnchorIndex anchors;
    ParseDocumentFile(document, anchors, page);
    TFixedCanvas canvas;
    int32_t maxWidth = 0, curs = 0;
    document.LayoutDocument(canvas, 0, ViewerWidth, maxWidth, curs);
    return LaidOutPreLines(document);
}

std::string FormText(const std::string& path) {
    TFileStream form(path, TFileStream::TMode::fmOpenRead);
    TMemoryStream text;
    FormResourceToText(form, text);
    return text.Data();
}

std::string Example(const std::string& name) {
    return std::string(CODELUME_SOURCE_DIR) + "/examples/" + name;
}

TEST(RoundTrip, ExampleUnitReadsBackLineForLine) {
    std::string source = Example("Sample.pas");
    EXPECT_THAT(RoundTrip(source),
                ElementsAreArray(ExpectedPreLines(ExpectedPageText(ReadWholeFile(source)))));
}

TEST(RoundTrip, ExampleFormReadsBackAsItsText) {
    std::string source = Example("Sample.dfm");
    EXPECT_THAT(RoundTrip(source),
                ElementsAreArray(ExpectedPreLines(ExpectedPageText(FormText(source)))));
}

TEST(RoundTrip, GeneratedUnitsReadBackLineForLine) {
    TTempDir folder;
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        std::string unit = GeneratePascalCorpus(100000, seed);
        std::string source = folder.File("Unit" + std::to_string(seed) + ".pas");
        WriteWholeFile(source, unit);
        EXPECT_THAT(RoundTrip(source), ElementsAreArray(ExpectedPreLines(ExpectedPageText(unit))));
    }
}

struct TSourceCase {
    const char* Name;
    std::string Source;
};

void PrintTo(const TSourceCase& row, std::ostream* out) { *out << row.Name; }

class SourceRoundTrip : public ::testing::TestWithParam<TSourceCase> {};

TEST_P(SourceRoundTrip, ReadsBackLineForLine) {
    TTempDir folder;
    std::string source = folder.File("Unit1.pas");
    WriteWholeFile(source, GetParam().Source);
    EXPECT_THAT(RoundTrip(source),
                ElementsAreArray(ExpectedPreLines(ExpectedPageText(GetParam().Source))));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SourceRoundTrip,
    ::testing::Values(
        TSourceCase{"Empty", ""},
        TSourceCase{"LoneLineFeeds", "unit A;\n\n  x := 1;\n    y := 2;\n"},
        TSourceCase{"TrailingWhitespaceAndBlankLines", "a;   \r\n\r\n\r\n  b;\t \r\n\r\n"},
        TSourceCase{"ReservedCharacters", "if a<b then s := '<&>\"'; { x>0 & \"y\" } c := a>b;"},
        TSourceCase{"MarkupInComments",
                    "{ </PRE> <B>x</B> &amp; &lt; } // <PRE>\r\n(* </pre> *) z"},
        TSourceCase{"MultiLineCommentsKeepTheirLineEnds",
                    "{ a\n b\r\n\tc\r }\r\n(* d\n\n*) e // f\ng"},
        TSourceCase{"StringLiteralsAsTyped",
                    "s := 'a'#13#10'b' + #9 + #65#66 + #$0D + 'it''s' + '' + #8364;"},
        TSourceCase{"Utf8SourceWithCharacterCodes", "s := #176#$B0 + #8364 + '\xC3\xA9';"},
        TSourceCase{"TabsToTheirStops", "\tx\t:= 1;\t{ a\tb }\r\n  \t'c\td'"},
        TSourceCase{"HighBytesPassThrough", "s := 'caf\xe9'; // \xc3\xa9t\xe9\r\n\xb5 := 1;"},
        TSourceCase{"ReservedBytesInComments",
                    "{ a\x02"
                    "b\x04"
                    "c }\r\nx"},
        TSourceCase{"LongLine", "x := " + std::string(4000, 'a') + ";\r\ny"}),
    [](const ::testing::TestParamInfo<TSourceCase>& row) { return std::string(row.param.Name); });

}  // namespace
}  // namespace codelume
