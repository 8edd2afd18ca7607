#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "convert/CodeParser.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

// Visible text markers for every hook, so outputs can be read in the tests.
class TMarkedParser : public TCodeParser {
public:
    using TCodeParser::TCodeParser;
    const TKeywordTable* Table() const { return Keywords; }

protected:
    void BeginString() override { OutputText += "[S]"; }
    void EndString() override { OutputText += "[/S]"; }
    void BeginKeyword() override { OutputText += "[K]"; }
    void EndKeyword() override { OutputText += "[/K]"; }
    void BeginComment() override { OutputText += "[C]"; }
    void EndComment() override { OutputText += "[/C]"; }
    void BeginDocument() override { OutputText += "<doc>"; }
    void EndDocument() override { OutputText += "</doc>"; }
};

std::string Convert(const std::string& source, TKeywordSet keywords = ksPascal) {
    TMemoryStream input(source);
    TMemoryStream output;
    TMarkedParser parser(input, output);
    parser.SelectKeywords(keywords);
    parser.ConvertSource();
    return output.Data();
}

// The converted text between the document markers.
std::string Body(const std::string& source, TKeywordSet keywords = ksPascal) {
    std::string page = Convert(source, keywords);
    return page.substr(5, page.size() - 11);
}

struct TLayoutCase {
    const char* Name;
    std::string Source;
    std::string Expected;
};

class ConvertSource : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(ConvertSource, ReproducesTheLayout) {
    EXPECT_EQ(Body(GetParam().Source), GetParam().Expected);
}

std::string RowName(const ::testing::TestParamInfo<TLayoutCase>& info) { return info.param.Name; }

INSTANTIATE_TEST_SUITE_P(
    Layout, ConvertSource,
    ::testing::Values(
        TLayoutCase{"WorkedExample", "unit A;\r\n\r\n  x := 1;\r\n",
                    "[K]unit[/K] A;\r\n\r\n  x := 1;"},
        TLayoutCase{"Contiguous", "x:=1", "x:=1"},
        TLayoutCase{"DoubleSpaces", "x  :=  1", "x  :=  1"},
        TLayoutCase{"LoneLineFeedsKeepIndentation", "a\n  b\n    c\n  d",
                    "a\r\n  b\r\n    c\r\n  d"},
        TLayoutCase{"TrailingWhitespaceIsDropped", "a   \r\n  b \t\r\n\r\nc", "a\r\n  b\r\n\r\nc"},
        TLayoutCase{"NothingAfterTheLastToken", "x;\r\n\r\n   ", "x;"},
        TLayoutCase{"MultiLineComment", "{a\r\n  b}\r\n  x", "[C]{a\r\n  b}[/C]\r\n  x"},
        TLayoutCase{"TokenAfterACommentsEnd", "(* a\n *)  x\n y", "[C](* a\r\n *)[/C]  x\r\n y"},
        TLayoutCase{"CommentLineBreaksAreCrLf", "{a\n\nb\r\nc\rd\n}",
                    "[C]{a\r\n\r\nb\r\nc\rd\r\n}[/C]"},
        TLayoutCase{"SlashCommentEndsAtTheLineFeed", "// a\nx // b\n  y",
                    "[C]// a[/C]\r\nx [C]// b[/C]\r\n  y"},
        TLayoutCase{"ParenCommentWithApostrophe", "(* it's *) x", "[C](* it's *)[/C] x"},
        TLayoutCase{"ParenStarParen", "(*) x *) y", "[C](*) x *)[/C] y"},
        TLayoutCase{"HighBytesPassThrough", "s\xE9 \xFF", "s\xE9 \xFF"},
        TLayoutCase{"KeywordsKeepTheirCase", "Begin END", "[K]Begin[/K] [K]END[/K]"}),
    RowName);

TEST(ConvertSource, EmptyInputIsTheDocumentMarkupAlone) { EXPECT_EQ(Convert(""), "<doc></doc>"); }

TEST(ConvertSource, ALongCommentIsOneComment) {
    std::string comment = "{";
    for (int i = 0; i < 400; ++i) comment += "  0123456789ABCDEF0123456789ABCDEF\r\n";
    comment += "}";
    EXPECT_EQ(Body("x " + comment + "\r\n  y"), "x [C]" + comment + "[/C]\r\n  y");
}

TEST(ConvertSource, ErrorsLeaveTheOutputUntouched) {
    TMemoryStream input(std::string("x\n{ a\n}\n'open"));
    TMemoryStream output;
    TMarkedParser parser(input, output);
    EXPECT_THAT([&] { parser.ConvertSource(); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 4")));
    EXPECT_EQ(output.Data(), "");
    TMemoryStream nul(std::string("begin\n  x\0", 10));
    TMarkedParser nulParser(nul, output);
    EXPECT_THAT([&] { nulParser.ConvertSource(); },
                ThrowsMessage<EParserError>(StrEq("Unexpected NUL byte on line 2")));
    EXPECT_EQ(output.Data(), "");
}

// Records how the converter writes.
class TCountingStream : public TMemoryStream {
public:
    int32_t Write(const void* buffer, int32_t count) override {
        ++Writes;
        return Limit < 0 ? TMemoryStream::Write(buffer, count)
                         : TMemoryStream::Write(buffer, std::min(count, Limit));
    }
    int Writes = 0;
    int32_t Limit = -1;
};

TEST(ConvertSource, WritesTheWholeOutputInOneWrite) {
    std::string source;
    for (int i = 0; i < 2000; ++i) source += "begin x := 'y'; end; { z }\n";
    TMemoryStream input(source);
    TCountingStream output;
    TMarkedParser parser(input, output);
    parser.ConvertSource();
    EXPECT_EQ(output.Writes, 1);
    EXPECT_EQ(output.Data(), parser.Output());
}

TEST(ConvertSource, AShortWriteIsAWriteError) {
    TMemoryStream input(std::string("x"));
    TCountingStream output;
    output.Limit = 3;
    TMarkedParser parser(input, output);
    EXPECT_THAT([&] { parser.ConvertSource(); },
                ThrowsMessage<EWriteError>(StrEq("Stream write error")));
}

// Literals are written as typed, whatever they decode to.
INSTANTIATE_TEST_SUITE_P(
    Literals, ConvertSource,
    ::testing::Values(TLayoutCase{"QuotedRunsAndCodes", "s := 'abc'#13#10'def' x",
                                  "s := [S]'abc'#13#10'def'[/S] x"},
                      TLayoutCase{"PrintableCodes", "#65#66 x", "[S]#65#66[/S] x"},
                      TLayoutCase{"CodesAlone", "#13#10  x", "[S]#13#10[/S]  x"},
                      TLayoutCase{"LoneControlCharacter", "c := #9;", "c := [S]#9[/S];"},
                      TLayoutCase{"DoubledApostrophe", "'it''s' y", "[S]'it''s'[/S] y"},
                      TLayoutCase{"HexCodes", "#$0D'x'#$0a;", "[S]#$0D'x'#$0a[/S];"},
                      TLayoutCase{"CodesAbove255", "#8364#9731", "[S]#8364#9731[/S]"},
                      TLayoutCase{"LeadingZeros", "#0013", "[S]#0013[/S]"},
                      TLayoutCase{"HashAlone", "# $", "[S]#[/S] $"},
                      TLayoutCase{"HashBeforeDollarWithoutDigits", "#$x", "[S]#[/S]$x"},
                      TLayoutCase{"Utf8Text", "'\xC3\xA9'#176", "[S]'\xC3\xA9'#176[/S]"}),
    RowName);

// Tabs become the spaces up to the next stop of 8 from the line's start.
INSTANTIATE_TEST_SUITE_P(
    Tabs, ConvertSource,
    ::testing::Values(TLayoutCase{"BetweenTokens", "\tx\t\ty", "        x               y"},
                      TLayoutCase{"AfterText", "abc\tx;\t{c}", "abc     x;      [C]{c}[/C]"},
                      TLayoutCase{"OnEveryLine", "a\r\n\tb\n  \tc", "a\r\n        b\r\n        c"},
                      TLayoutCase{"OtherWhitespaceIsOneSpace", "a\x0B\x0C\tb", "a       b"},
                      TLayoutCase{"TrailingTabsAreDropped", "a\t\r\nb", "a\r\nb"},
                      TLayoutCase{"InAComment", "x { a\tb }", "x [C]{ a   b }[/C]"},
                      TLayoutCase{"InAString", "s := 'a\tb'#9;", "s := [S]'a b'#9[/S];"},
                      TLayoutCase{"CommentLineBreaksStartLines", "x {a\r\n\tb\n1234567\tc}\td",
                                  "x [C]{a\r\n        b\r\n1234567 c}[/C]      d"},
                      TLayoutCase{"Utf8CharactersAreOneColumn", "{\xC3\xA9\xE2\x82\xAC}\tx",
                                  "[C]{\xC3\xA9\xE2\x82\xAC}[/C]    x"},
                      TLayoutCase{"Utf8CharactersBetweenTokens", "\xC3\xA9\tx", "\xC3\xA9       x"},
                      TLayoutCase{"BytesAreColumnsInOtherText", "{\xE9\xE9\xC3\xA9}\tx \xE9",
                                  "[C]{\xE9\xE9\xC3\xA9}[/C]  x \xE9"}),
    RowName);

std::string UpperCase(std::string word) {
    for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return word;
}

// Every entry is found at its own place in either case, and a word one
// letter longer or shorter is found only when it is an entry itself.
TEST(KeywordTable, FindsEveryEntryAndNoNearMiss) {
    for (const TKeywordTable* table : {&PascalKeywords, &FormKeywords}) {
        std::vector<std::string> entries;
        for (int32_t i = 0; i < table->Count(); ++i) entries.emplace_back((*table)[i]);
        auto positionOf = [&entries](const std::string& word) {
            auto found = std::find(entries.begin(), entries.end(), word);
            return found == entries.end() ? -1 : static_cast<int32_t>(found - entries.begin());
        };
        for (int32_t i = 0; i < table->Count(); ++i) {
            std::string entry = entries[static_cast<size_t>(i)];
            SCOPED_TRACE(entry);
            EXPECT_EQ(table->IndexOf(entry), i);
            EXPECT_EQ(table->IndexOf(UpperCase(entry)), i);
            EXPECT_EQ(table->IndexOf(entry + "s"), positionOf(entry + "s"));
            EXPECT_EQ(table->IndexOf(entry.substr(1)), positionOf(entry.substr(1)));
            EXPECT_EQ(table->IndexOf(entry.substr(0, entry.size() - 1)),
                      positionOf(entry.substr(0, entry.size() - 1)));
        }
    }
}

TEST(KeywordTable, FindsWholeWordsInAnyCase) {
    EXPECT_EQ(PascalKeywords.Count(), 93);
    EXPECT_EQ(PascalKeywords.IndexOf("absolute"), 0);
    EXPECT_EQ(PascalKeywords.IndexOf("BEGIN"), 9);
    EXPECT_EQ(PascalKeywords.IndexOf("xor"), 92);
    EXPECT_EQ(PascalKeywords.IndexOf("beginx"), -1);
    EXPECT_EQ(PascalKeywords.IndexOf("initialization_"), -1);
    EXPECT_EQ(PascalKeywords.IndexOf(""), -1);
    EXPECT_EQ(FormKeywords.Count(), 2);
    EXPECT_EQ(FormKeywords.IndexOf("Object"), 0);
    EXPECT_EQ(FormKeywords.IndexOf("END"), 1);
}

TEST(ConvertSource, PascalTableMarksNamesThatAreEntries) {
    EXPECT_EQ(Body("Read Write Index Message Default At On Name"),
              "[K]Read[/K] [K]Write[/K] [K]Index[/K] [K]Message[/K] [K]Default[/K] [K]At[/K] "
              "[K]On[/K] Name");
    EXPECT_EQ(Body("resourcestring out overload reintroduce safecall"),
              "resourcestring out overload reintroduce safecall");
}

TEST(ConvertSource, FormTableMarksObjectAndEndOnly) {
    EXPECT_EQ(Body("inherited Form1: TForm1\n  OBJECT x begin\n  end\nend", ksForm),
              "inherited Form1: TForm1\r\n  [K]OBJECT[/K] x begin\r\n  [K]end[/K]\r\n[K]end[/K]");
}

TEST(SelectKeywords, SwitchesBetweenTheTwoTables) {
    TMemoryStream input, output;
    TMarkedParser parser(input, output);
    EXPECT_EQ(parser.Table(), &PascalKeywords);
    parser.SelectKeywords(ksForm);
    EXPECT_EQ(parser.Table(), &FormKeywords);
    parser.SelectKeywords(ksPascal);
    EXPECT_EQ(parser.Table(), &PascalKeywords);
}

TEST(SelectKeywords, RefusesAnyOtherValue) {
    TMemoryStream input, output;
    TMarkedParser parser(input, output);
    parser.SelectKeywords(ksForm);
    EXPECT_THAT([&] { parser.SelectKeywords(static_cast<TKeywordSet>(2)); },
                ThrowsMessage<ECodelumeError>(StrEq("Undefined keywords type")));
    EXPECT_EQ(parser.Table(), &FormKeywords);
}

}  // namespace
}  // namespace codelume
