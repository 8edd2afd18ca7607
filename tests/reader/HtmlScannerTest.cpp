#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "base/Stream.h"
#include "reader/HtmlScanner.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

struct TScan {
    explicit TScan(const std::string& text, TIncludeType onInclude = {})
        : Bytes(text),
          Scanner(std::make_unique<TBufferSource>(Bytes.data(), static_cast<int32_t>(Bytes.size())),
                  std::move(onInclude)) {
        Scanner.NextChar();
    }
    std::string Bytes;
    THtmlScanner Scanner;
};

std::vector<std::pair<THtmlSymbol, std::string>> Symbols(const std::string& text,
                                                         TIncludeType onInclude = {}) {
    TScan scan(text, std::move(onInclude));
    std::vector<std::pair<THtmlSymbol, std::string>> result;
    for (scan.Scanner.NextSymbol(); scan.Scanner.Sym != EofSymbol; scan.Scanner.NextSymbol())
        result.emplace_back(scan.Scanner.Sym, scan.Scanner.Token);
    return result;
}

TEST(NextChar, SkipsCommentsAndDeclarations) {
    EXPECT_THAT(Symbols("a<!-- x -- >b"), ElementsAre(Pair(TextSymbol, "ab")));
    EXPECT_THAT(Symbols("a<!---->b<!-x>c"), ElementsAre(Pair(TextSymbol, "abc")));
    EXPECT_THAT(Symbols("<!DOCTYPE html><!-- one --><!-- two -->z"),
                ElementsAre(Pair(TextSymbol, "z")));
    EXPECT_THAT(Symbols("a<!-- - -> -- still --->b"), ElementsAre(Pair(TextSymbol, "ab")));
}

TEST(NextChar, EndOfInputInsideACommentIsAnError) {
    for (const char* text : {"a<!-- never closed", "<!DOCTYPE", "<!-- x --"}) {
        SCOPED_TRACE(text);
        EXPECT_THAT([&] { Symbols(text); }, ::testing::ThrowsMessage<EParseError>(::testing::StrEq(
                                                "Open Comment at End of HTML File")));
    }
}

TEST(ReadChar, FoldsEveryLineEndIntoOneCarriageReturn) {
    TScan scan("a\rb\nc\r\nd\n\re\tf");
    scan.Scanner.InPre = true;
    std::string seen;
    for (; scan.Scanner.CurCh != EndOfSource; scan.Scanner.NextChar()) seen += scan.Scanner.CurCh;
    EXPECT_EQ(seen, "a\rb\rc\rd\re f");
}

TEST(ReadTag, ReadsNamesHeadingsAndEndForms) {
    TScan scan("<H2 ALIGN=center><META NAME=x></h2><H7><p></BR><bogus>");
    THtmlScanner& s = scan.Scanner;
    std::vector<std::tuple<THtmlSymbol, int32_t, int>>
        seen;  // symbol, heading level, attributes kept
    for (s.NextSymbol(); s.Sym != EofSymbol; s.NextSymbol())
        seen.emplace_back(s.Sym, s.HeadingLevel, s.Attributes.Count());
    // META drops its own attributes and keeps those of the H2; BR has no end form.
    EXPECT_THAT(seen,
                ElementsAre(std::make_tuple(HSy, 2, 1), std::make_tuple(UnknownTagSymbol, 0, 1),
                            std::make_tuple(HEndSy, 2, 1), std::make_tuple(HSy, 0, 0),
                            std::make_tuple(PSy, 0, 0), std::make_tuple(UnknownTagSymbol, 0, 0),
                            std::make_tuple(UnknownTagSymbol, 0, 0)));
}

TEST(ReadTag, ALessThanThatStartsNoTagIsText) {
    EXPECT_THAT(Symbols("a < b"),
                ElementsAre(Pair(TextSymbol, "a "), Pair(TextSymbol, "<"), Pair(TextSymbol, " b")));
    EXPECT_THAT(Symbols("a > b"), ElementsAre(Pair(TextSymbol, "a "), Pair(OtherCharSymbol, ">"),
                                              Pair(TextSymbol, " b")));
}

TEST(ReadTag, OverlongNamesAreCutAndStillConsumed) {
    TScan scan("<" + std::string(400, 'B') + " x>t");
    scan.Scanner.NextSymbol();
    EXPECT_EQ(scan.Scanner.Sym, UnknownTagSymbol);
    EXPECT_EQ(scan.Scanner.Token.size(), THtmlScanner::MaxTokenLength);
    scan.Scanner.NextSymbol();
    EXPECT_EQ(scan.Scanner.Token, "t");
}

struct TAttributeCase {
    const char* Name;
    const char* Tag;
    THtmlSymbol Kind;
    const char* Text;
    int32_t Value;
};

class ReadAttribute : public ::testing::TestWithParam<TAttributeCase> {};

TEST_P(ReadAttribute, ParsesKindTextAndValue) {
    TScan scan(GetParam().Tag);
    scan.Scanner.NextSymbol();
    ASSERT_GE(scan.Scanner.Attributes.Count(), 1);
    const TAttribute& attribute = *scan.Scanner.Attributes[0];
    EXPECT_EQ(attribute.Kind, GetParam().Kind);
    EXPECT_EQ(attribute.Text, GetParam().Text);
    EXPECT_EQ(attribute.Value, GetParam().Value);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadAttribute,
    ::testing::Values(
        TAttributeCase{"SpacedBare", "<A HREF = x.htm NAME=Top>", HrefSy, "x.htm", 0},
        TAttributeCase{"SignedNumber", "<FONT SIZE=+1>", SizeSy, "+1", 1},
        TAttributeCase{"NegativeNumber", "<FONT SIZE=-2>", SizeSy, "-2", -2},
        TAttributeCase{"BadNumberUpperCased", "<HR SIZE=05abc>", SizeSy, "05ABC", 0},
        TAttributeCase{"Percent", "<TABLE WIDTH=50%>", WidthSy, "50%", 50},
        TAttributeCase{"QuotedPercent", "<TABLE WIDTH=\" 75% \">", WidthSy, "75%", 75},
        TAttributeCase{"QuotedInnerPercent", "<TABLE WIDTH='7%5'>", WidthSy, "7%5", 0},
        TAttributeCase{"TooBigForInt", "<TD WIDTH=99999999999>", WidthSy, "99999999999", 0},
        TAttributeCase{"BareBorder", "<TABLE BORDER>", BorderSy, "", 1},
        TAttributeCase{"QuotedAcrossLines", "<A HREF=\"ab\r\ncd\">", HrefSy, "abcd", 0},
        TAttributeCase{"QuotedKeepsGreater", "<A HREF='a>b'>", HrefSy, "a>b", 0},
        TAttributeCase{"QuotedEntity", "<A HREF=\"a&amp;b\">", HrefSy, "a&b", 0},
        TAttributeCase{"BareKeepsEntity", "<A HREF=a&amp;b>", HrefSy, "a&amp;b", 0},
        TAttributeCase{"SecondValueName", "<OPTION VALUE=x>", ValueSy, "x", 0},
        TAttributeCase{"SelectedIsTheTag", "<OPTION SELECTED>", SelectedSy, "", 0},
        TAttributeCase{"Unknown", "<IMG DATASRC=y>", UnknownAttributeSymbol, "y", 0}),
    [](const auto& row) { return row.param.Name; });

TEST(ReadAttribute, AHyphenEndsTheAttributeList) {
    TScan scan("<IMG DATA-X=1 SRC=a.gif>z");
    scan.Scanner.NextSymbol();
    ASSERT_EQ(scan.Scanner.Attributes.Count(), 1);
    EXPECT_EQ(scan.Scanner.Attributes[0]->Kind, UnknownAttributeSymbol);
    scan.Scanner.NextSymbol();
    EXPECT_EQ(scan.Scanner.Token, "z");
}

struct TEntityCase {
    const char* Name;
    const char* Input;
    std::vector<std::string> Tokens;
};

class ReadEntity : public ::testing::TestWithParam<TEntityCase> {};

TEST_P(ReadEntity, DecodesOrKeepsTheReference) {
    std::vector<std::string> tokens;
    for (const auto& [symbol, token] : Symbols(GetParam().Input)) tokens.push_back(token);
    EXPECT_EQ(tokens, GetParam().Tokens);
}

INSTANTIATE_TEST_SUITE_P(
    References, ReadEntity,
    ::testing::Values(
        TEntityCase{"Decimal", "&#65;", {"A"}}, TEntityCase{"Tab", "&#9;", {" "}},
        TEntityCase{"CarriageReturn", "&#13;&#xD;", {" ", " "}},
        TEntityCase{"LineFeed", "&#10;", {"\n"}}, TEntityCase{"Control", "&#8;", {"&#8;"}},
        TEntityCase{"LeadingZeros", "&#0065;", {"A"}},
        TEntityCase{"BeyondLatin1", "&#8212;&#300", {"\u2014", "\u012C"}},
        TEntityCase{"Hexadecimal", "&#x41;&#X2013;&#x1F600;", {"A", "\u2013", "\U0001F600"}},
        TEntityCase{"HexWithoutDigits", "&#xg;", {"&#x", "g;"}},
        TEntityCase{"NoDigits", "&#;", {"&#;"}},
        TEntityCase{"Windows1252Range", "&#150;&#128;", {"\u2013", "\u20AC"}},
        TEntityCase{"NulIsReplaced", "&#0;", {"\uFFFD"}},
        TEntityCase{"SurrogateIsReplaced", "&#xD800;", {"\uFFFD"}},
        TEntityCase{"BeyondUnicodeIsReplaced", "&#x110000;&#99999999999999;", {"\uFFFD", "\uFFFD"}},
        TEntityCase{"Basic", "&amp;&lt;&gt;&quot;", {"&", "<", ">", "\""}},
        TEntityCase{"CaseSensitive", "&Amp;", {"&Amp;"}}, TEntityCase{"Nbsp", "&nbsp;", {"\u00A0"}},
        TEntityCase{"LastLatin", "&yuml!", {"\u00FF", "!"}},
        TEntityCase{"UpperLatin", "&THORN;&thorn;", {"\u00DE", "\u00FE"}},
        TEntityCase{"Punctuation",
                    "&ndash;&mdash;&rsquo;&hellip;&euro;&trade;",
                    {"\u2013", "\u2014", "\u2019", "\u2026", "\u20AC", "\u2122"}},
        TEntityCase{"CaseMakesTheArrow",
                    "&rarr;&rArr;&Prime;&prime;",
                    {"\u2192", "\u21D2", "\u2033", "\u2032"}},
        TEntityCase{"GreekAndMaths",
                    "&Omega;&sigmaf;&forall;&there4;&diams;",
                    {"\u03A9", "\u03C2", "\u2200", "\u2234", "\u2666"}},
        TEntityCase{"SevenLetterNames", "&epsilon;&Upsilon", {"\u03B5", "\u03A5"}},
        TEntityCase{"LongestName", "&thetasym;", {"\u03D1"}},
        TEntityCase{"BareAmpersand", "& b", {"&", " b"}},
        TEntityCase{"SevenLetters", "&abcdefghi;", {"&abcdefg", "hi;"}}),
    [](const auto& row) { return row.param.Name; });

TEST(NextSymbol, SplitsAParagraphIntoItsSymbols) {
    EXPECT_THAT(Symbols("<P ALIGN=center>Hello &amp; <B>bye</B>"),
                ElementsAre(Pair(PSy, "P"), Pair(TextSymbol, "Hello "), Pair(TextSymbol, "&"),
                            Pair(TextSymbol, " "), Pair(BSy, "B"), Pair(TextSymbol, "bye"),
                            Pair(BEndSy, "B")));
}

TEST(NextSymbol, ControlBytesAreStrayCharacters) {
    EXPECT_THAT(Symbols(std::string("a\x02\x04z", 4)),
                ElementsAre(Pair(TextSymbol, "a"), Pair(OtherCharSymbol, "\x02"),
                            Pair(OtherCharSymbol, "\x04"), Pair(TextSymbol, "z")));
}

TEST(NextSymbol, ClearsTheParagraphFlagOnContentOnly) {
    struct TRow {
        const char* Input;
        bool StillSet;
    };
    for (TRow row :
         {TRow{"text", false}, TRow{"<BR>", false}, TRow{"<IMG>", false}, TRow{"<TABLE>", false},
          TRow{"<H3>", false}, TRow{"<B>", true}, TRow{"</TABLE>", true}, TRow{"<P>", true}}) {
        SCOPED_TRACE(row.Input);
        TScan scan(row.Input);
        scan.Scanner.AfterParagraphSpace = true;
        scan.Scanner.NextSymbol();
        EXPECT_EQ(scan.Scanner.AfterParagraphSpace, row.StillSet);
    }
}

TEST(ReadTextRun, CollapsesBlanksAndCutsAtAHundred) {
    EXPECT_THAT(Symbols("a  \r\n  b"), ElementsAre(Pair(TextSymbol, "a b")));
    auto runs = Symbols(std::string(250, 'x'));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].second.size(), 100u);
    EXPECT_EQ(runs[2].second.size(), 50u);
}

// Runs are taken in bulk between the characters that need a closer look:
// the cut at a hundred bytes still falls between characters, and a comment
// in a run or in the rest of a tag is still passed over.
TEST(ReadTextRun, CutsBetweenCharactersAndSkipsComments) {
    std::string text = "x";
    for (int i = 0; i < 80; ++i) text += "\u00e9";
    auto runs = Symbols(text);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].second.size(), 101u);
    EXPECT_EQ(runs[0].second + runs[1].second, text);
    EXPECT_THAT(Symbols("ab<!-- <p> -->cd<B x <!-- > -->y>z"),
                ElementsAre(Pair(TextSymbol, "abcd"), Pair(BSy, "B"), Pair(TextSymbol, "z")));
}

TEST(ReadTextRun, KeepsBlanksInPreformattedText) {
    TScan scan("a  \r\n b");
    scan.Scanner.InPre = true;
    scan.Scanner.NextSymbol();
    EXPECT_EQ(scan.Scanner.Token, "a  \r b");
}

TEST(NextTextAreaSymbol, KeepsTagsAsTextUntilItsEndTag) {
    TScan scan("l1\r<b>x &lt;</TEXTAREA >rest");
    THtmlScanner& s = scan.Scanner;
    std::vector<std::pair<THtmlSymbol, std::string>> seen;
    for (s.NextTextAreaSymbol(); s.Sym != TextAreaEndSy && s.Sym != EofSymbol;
         s.NextTextAreaSymbol())
        seen.emplace_back(s.Sym, s.Token);
    EXPECT_THAT(seen, ElementsAre(Pair(TextSymbol, "l1"), Pair(LineEndSymbol, ""),
                                  Pair(UnknownTagSymbol, "<b"), Pair(TextSymbol, ">x "),
                                  Pair(TextSymbol, "<")));
    EXPECT_EQ(s.CurCh, ' ');
}

TEST(NextScriptSymbol, EndsOnlyAtTheExactEndTag) {
    TScan scan("if (a<b) <!-- x\r</script ></SCRIPT>");
    THtmlScanner& s = scan.Scanner;
    s.NoComments = true;
    std::vector<std::pair<THtmlSymbol, std::string>> seen;
    for (s.NextScriptSymbol(); s.Sym != ScriptEndSy && s.Sym != EofSymbol; s.NextScriptSymbol())
        seen.emplace_back(s.Sym, s.Token);
    EXPECT_THAT(seen, ElementsAre(Pair(TextSymbol, "if (a"), Pair(UnknownTagSymbol, "<b"),
                                  Pair(TextSymbol, ") "), Pair(UnknownTagSymbol, "<"),
                                  Pair(TextSymbol, "!-- x"), Pair(LineEndSymbol, ""),
                                  Pair(UnknownTagSymbol, "</script"), Pair(TextSymbol, " >")));
    EXPECT_EQ(s.Sym, ScriptEndSy);
}

TEST(ParseInclude, ReadsTheHandlersBytesInPlaceOfTheDirective) {
    std::string command;
    std::vector<std::string> params;
    auto handler = [&](const std::string& c, const std::vector<std::string>& p) {
        command = c;
        params = p;
        return std::string("<B>in</B><!--#nested-->");
    };
    EXPECT_THAT(Symbols("a<!--#include file=\"x.htm\" Virtual=y -->b", handler),
                ElementsAre(Pair(TextSymbol, "a"), Pair(BSy, "B"), Pair(TextSymbol, "in"),
                            Pair(BEndSy, "B"), Pair(TextSymbol, "b")));
    EXPECT_EQ(command, "include");
    EXPECT_THAT(params, ElementsAre("FILE=\"x.htm\"", "VIRTUAL=\"y\""));
}

TEST(ReadAll, EverySourceDeliversAllItsBytes) {
    std::vector<std::string> lines = {"ab", "", "c"};
    EXPECT_EQ(TStringsSource(lines).ReadAll(), "ab\r\rc\r");

    // A stream is read from its start; the end mark inside the bytes is kept.
    std::string big(70000, 'q');
    big[300] = EndOfSource;
    TMemoryStream stream(big);
    stream.SetPosition(100);
    EXPECT_EQ(TStreamSource(stream).ReadAll(), big);

    TTempDir dir;
    WriteWholeFile(dir.File("a.htm"), big);
    EXPECT_EQ(TFileSource(dir.File("a.htm")).ReadAll(), big);
    EXPECT_THAT([&] { TFileSource missing(dir.File("none.htm")); },
                ::testing::ThrowsMessage<EFOpenError>(::testing::HasSubstr("Cannot open file")));
}

}  // namespace
}  // namespace codelume
