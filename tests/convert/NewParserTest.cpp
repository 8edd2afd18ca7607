#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "convert/NewParser.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

struct TToken {
    uint8_t Kind;
    std::string Text;
    int32_t Line;
    int32_t Offset;
    int32_t Length;
    int32_t LineStart;
    bool operator==(const TToken&) const = default;
};

void PrintTo(const TToken& token, std::ostream* os) {
    *os << "{" << int{token.Kind} << ", \"" << token.Text << "\", line " << token.Line
        << ", offset " << token.Offset << ", length " << token.Length << ", line start "
        << token.LineStart << "}";
}

TToken Current(const TNewParser& parser) {
    return {parser.TokenKind(),   parser.TokenText(),   parser.LineNumber(),
            parser.TokenOffset(), parser.TokenLength(), parser.TokenLineStart()};
}

std::vector<TToken> Tokens(const std::string& source) {
    TMemoryStream stream(source);
    TNewParser parser(stream);
    std::vector<TToken> tokens;
    for (; parser.TokenKind() != TokEnd; parser.ReadToken()) tokens.push_back(Current(parser));
    return tokens;
}

TToken FirstToken(const std::string& source) {
    TMemoryStream stream(source);
    TNewParser parser(stream);
    return Current(parser);
}

struct TTokenCase {
    const char* Name;
    std::string Source;
    uint8_t Kind;
    std::string Text;
    int32_t Length;
};

class ReadToken : public ::testing::TestWithParam<TTokenCase> {};

TEST_P(ReadToken, ScansTheFirstToken) {
    const TTokenCase& row = GetParam();
    TToken token = FirstToken(row.Source);
    EXPECT_EQ(token.Kind, row.Kind);
    EXPECT_EQ(token.Text, row.Text);
    EXPECT_EQ(token.Length, row.Length);
}

std::string RowName(const ::testing::TestParamInfo<TTokenCase>& info) { return info.param.Name; }

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadToken,
    ::testing::Values(
        TTokenCase{"Identifier", "x1 y", TokIdentifier, "x1", 2},
        TTokenCase{"Underscores", "_a_9;", TokIdentifier, "_a_9", 4},
        TTokenCase{"DigitsThenLetter", "1x", TokInteger, "1", 1},
        TTokenCase{"HighByteIsACharacter", "\xE9t\xE9", 233, "\xE9", 1},
        TTokenCase{"HexInteger", "$1F;", TokInteger, "$1F", 3},
        TTokenCase{"LoneDollar", "$ 1", TokInteger, "$", 1},
        TTokenCase{"LoneMinus", "- 1", TokInteger, "-", 1},
        TTokenCase{"NegativeInteger", "-12)", TokInteger, "-12", 3},
        TTokenCase{"Fraction", "1.5;", TokFloat, "1.5", 3},
        TTokenCase{"Exponent", "1E3", TokFloat, "1E3", 3},
        TTokenCase{"SumWithoutSpaces", "3+4", TokFloat, "3+4", 3},
        TTokenCase{"Range", "1..10]", TokFloat, "1..10", 5},
        TTokenCase{"DoubledQuote", "'it''s'", TokString, "it's", 7},
        TTokenCase{"EmptyString", "''", TokString, "", 2},
        TTokenCase{"CharacterCodes", "#65#66", TokString, "AB", 6},
        TTokenCase{"CodeKeepsItsLowByte", "#300", TokString, ",", 4},
        TTokenCase{"HashWithoutDigits", "#$G", TokString, std::string(1, '\0'), 1},
        TTokenCase{"HexCodes", "#$0D'x'#$0a;", TokString, "\rx\n", 11},
        TTokenCase{"HexCodeKeepsItsLowByte", "#$20AC", TokString, "\xAC", 6},
        TTokenCase{"LargestCode", "#2147483647", TokString, "\xFF", 11},
        TTokenCase{"LargestHexCode", "#$7FFFFFFF", TokString, "\xFF", 10},
        TTokenCase{"QuotedRunsAndCodes", "'abc'#13#10'def' x", TokString, "abc\r\ndef", 16},
        TTokenCase{"BraceComment", "{ a'b } x", TokComment, "{ a'b }", 7},
        TTokenCase{"DirectiveIsABraceComment", "{$R *.res}", TokComment, "{$R *.res}", 10},
        TTokenCase{"ParenComment", "(* it's *) x", TokComment, "(* it's *)", 10},
        TTokenCase{"ParenStarParenOpens", "(*) x *) y", TokComment, "(*) x *)", 8},
        TTokenCase{"EmptyParenComment", "(**)", TokComment, "(**)", 4},
        TTokenCase{"ParenAlone", "(x", '(', "(", 1},
        TTokenCase{"SlashCommentEndsAtCarriageReturn", "// a\r\nx", TokComment, "// a", 4},
        TTokenCase{"SlashCommentEndsAtLineFeed", "// a\nx", TokComment, "// a", 4},
        TTokenCase{"SlashCommentEndsWithTheData", "x; // a", TokIdentifier, "x", 1},
        TTokenCase{"SlashAlone", "/ /", '/', "/", 1}, TTokenCase{"Character", ":=", ':', ":", 1}),
    RowName);

TEST(ReadToken, EmptyStreamEndsAtOnce) {
    TMemoryStream stream;
    TNewParser parser(stream);
    EXPECT_EQ(parser.TokenKind(), TokEnd);
    EXPECT_EQ(parser.TokenText(), "");
    EXPECT_EQ(parser.ReadToken(), TokEnd);
}

TEST(ReadToken, ControlBytesAreWhitespace) {
    std::string whitespace;
    for (int c = 1; c <= 32; ++c)
        if (c != 10) whitespace += static_cast<char>(c);
    EXPECT_EQ(Tokens(whitespace + "a" + whitespace),
              (std::vector<TToken>{{TokIdentifier, "a", 1, 31, 1, 0}}));
}

TEST(ReadToken, SlashCommentOnTheLastLine) {
    EXPECT_EQ(Tokens("x\n// end"), (std::vector<TToken>{{TokIdentifier, "x", 1, 0, 1, 0},
                                                        {TokComment, "// end", 2, 2, 6, 2}}));
}

TEST(ReadToken, UnclosedCommentsRunToTheEnd) {
    EXPECT_EQ(FirstToken("{ a\nb").Text, "{ a\nb");
    EXPECT_EQ(FirstToken("(* a *").Text, "(* a *");
}

TEST(LineNumber, CountsLineFeedsInWhitespaceAndComments) {
    EXPECT_EQ(Tokens("a\r\n{ b\r\n c }\n  d (* e\n*) f"),
              (std::vector<TToken>{{TokIdentifier, "a", 1, 0, 1, 0},
                                   {TokComment, "{ b\r\n c }", 2, 3, 9, 3},
                                   {TokIdentifier, "d", 4, 15, 1, 13},
                                   {TokComment, "(* e\n*)", 4, 17, 7, 13},
                                   {TokIdentifier, "f", 5, 25, 1, 22}}));
}

TEST(TokenLineStart, IsTheOffsetAfterTheLastLineFeed) {
    // Lone line feeds, carriage returns in the line, trailing blanks.
    EXPECT_EQ(Tokens("a  \n\n\r   b"), (std::vector<TToken>{{TokIdentifier, "a", 1, 0, 1, 0},
                                                            {TokIdentifier, "b", 3, 9, 1, 5}}));
}

TEST(RaiseError, NamesTheLineOfTheToken) {
    EXPECT_THAT([] { Tokens("x\n  'abc\ny"); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 2")));
    EXPECT_THAT([] { Tokens("'ab\rc'"); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 1")));
    EXPECT_THAT([] { Tokens("{a\nb\nc}\n'x"); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 4")));
    for (const char* code : {"#2147483648", "'a'#$80000000", "#$FFFFFFFFF"})
        EXPECT_THAT([&] { Tokens(code); },
                    ThrowsMessage<EParserError>(StrEq("Integer overflow on line 1")));
}

TEST(RaiseError, ConstructionRaisesTheFirstTokensError) {
    TMemoryStream stream(std::string("'open"));
    EXPECT_THAT([&] { TNewParser parser(stream); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 1")));
}

struct TNulCase {
    const char* Name;
    std::string Source;
    const char* Message;
};

class NulByte : public ::testing::TestWithParam<TNulCase> {};

TEST_P(NulByte, FailsWithItsTrueLine) {
    std::string source = GetParam().Source;
    EXPECT_THAT([&] { Tokens(source); }, ThrowsMessage<EParserError>(StrEq(GetParam().Message)));
}

std::string NulRowName(const ::testing::TestParamInfo<TNulCase>& info) { return info.param.Name; }

using namespace std::string_literals;
INSTANTIATE_TEST_SUITE_P(
    Anywhere, NulByte,
    ::testing::Values(TNulCase{"BetweenTokens", "x\0y"s, "Unexpected NUL byte on line 1"},
                      TNulCase{"AsTheLastByte", "a\nb\n\0"s, "Unexpected NUL byte on line 3"},
                      TNulCase{"AsTheFirstByte", "\0a"s, "Unexpected NUL byte on line 1"},
                      TNulCase{"InAString", "\n'a\0b'"s, "Unexpected NUL byte on line 2"},
                      TNulCase{"InABraceComment", "{a\nb\n\0}"s, "Unexpected NUL byte on line 3"},
                      TNulCase{"InAParenComment", "(*\n\0*)"s, "Unexpected NUL byte on line 2"},
                      TNulCase{"InASlashComment", "// a\0b"s, "Unexpected NUL byte on line 1"},
                      TNulCase{"InUtf16Text", "u\0n\0i\0t\0"s, "Unexpected NUL byte on line 1"}),
    NulRowName);

std::string Line(char c, size_t length) { return std::string(length, c) + "\n"; }

TEST(RefillWindow, ALineOf4094BytesFits) {
    std::vector<TToken> tokens = Tokens(Line('a', 4094) + "b\n");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1], (TToken{TokIdentifier, "b", 2, 4095, 1, 4095}));
}

TEST(RefillWindow, ALongerLineIsTooLong) {
    EXPECT_THAT([] { Tokens("x\n" + Line('a', 4095) + "b\n"); },
                ThrowsMessage<EParserError>(StrEq("Line too long on line 2")));
}

TEST(RefillWindow, TheLastLineEscapesWhileItFits) {
    std::vector<TToken> tokens = Tokens(std::string(4095, 'a'));
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].Length, 4095);
}

TEST(RefillWindow, OffsetsAndLinesGoOnAcrossFillings) {
    std::string source;
    for (int i = 0; i < 1000; ++i) source += "abc := 'x''y' + #9; { c }\r\n";
    std::vector<TToken> tokens = Tokens(source);
    ASSERT_EQ(tokens.size(), 8000u);
    EXPECT_EQ(tokens[7999], (TToken{TokComment, "{ c }", 1000, 999 * 27 + 20, 5, 999 * 27}));
    EXPECT_EQ(tokens[7992], (TToken{TokIdentifier, "abc", 1000, 999 * 27, 3, 999 * 27}));
}

TEST(ScanComment, ACommentGoesOnAfterTheRefill) {
    std::string body;
    for (int i = 0; i < 500; ++i) body += "0123456789ABCDEF0123456789ABCDEF\r\n";
    for (const auto& [open, close] : {std::pair{"{", "}"}, {"(*", "*)"}}) {
        std::string comment = open + body + close;
        std::vector<TToken> tokens = Tokens("x " + comment + " y");
        ASSERT_EQ(tokens.size(), 3u);
        EXPECT_EQ(tokens[1],
                  (TToken{TokComment, comment, 1, 2, static_cast<int32_t>(comment.size()), 0}));
        EXPECT_EQ(tokens[2].Line, 501);
        EXPECT_EQ(tokens[2].Offset, static_cast<int32_t>(comment.size()) + 3);
        EXPECT_EQ(tokens[2].LineStart, static_cast<int32_t>(2 + strlen(open) + body.size()));
    }
}

TEST(ScanComment, ACommentOpenAtTheEndRunsOverEveryFilling) {
    std::string comment = "{" + std::string(20000, '\n');
    std::vector<TToken> tokens = Tokens(comment);
    ASSERT_EQ(tokens.size(), 1u);
    EXPECT_EQ(tokens[0].Text, comment);
}

TEST(ScanComment, ANulByteInALaterFillingNamesItsLine) {
    std::string source = "{" + std::string(6000, '\n') + std::string(1, '\0') + "}";
    EXPECT_THAT([&] { Tokens(source); },
                ThrowsMessage<EParserError>(StrEq("Unexpected NUL byte on line 6001")));
}

TEST(TNewParser, DestructionLeavesTheStreamAtTheCurrentToken) {
    std::string source;
    for (int i = 0; i < 400; ++i) source += "word other;\n";
    TMemoryStream stream(source + "last");
    {
        TNewParser parser(stream);
        while (parser.TokenText() != "last") parser.ReadToken();
    }
    EXPECT_EQ(stream.Position(), static_cast<int64_t>(source.size()));
    TMemoryStream longComment("a {" + std::string(9000, '\n') + "} b");
    {
        TNewParser parser(longComment);
        parser.ReadToken();
    }
    EXPECT_EQ(longComment.Position(), 2);
}

}  // namespace
}  // namespace codelume
