#include <gtest/gtest.h>

#include "formfile/QuotedText.h"

namespace codelume {
namespace {

// The text of a string value written on a property line at level 1.
template <typename TText>
std::string Quote(const TText& text) {
    TMemoryStream stream;
    TFormTextWriter out(stream);
    out.IncLevel();
    WriteQuotedText(out, text);
    out.Flush();
    return stream.Data();
}

std::string Repeat(std::string_view piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

const std::string Break = " +\r\n    ";

struct TQuoteCase {
    const char* Name;
    std::string Text;
    std::string Expected;
};

const TQuoteCase QuoteCases[] = {
    {"SixtyFourCharsStayOnThePropertyLine", std::string(64, 'a'), "'" + std::string(64, 'a') + "'"},
    {"SixtyFiveCharsStartTheirOwnLine", std::string(65, 'a'),
     "\r\n    '" + std::string(64, 'a') + "'" + Break + "'a'"},
    {"HundredChars", std::string(100, 'x'),
     "\r\n    '" + std::string(64, 'x') + "'" + Break + "'" + std::string(36, 'x') + "'"},
    {"SixtyFourControlsHaveNoContinuation", std::string(64, '\1'), Repeat("#1", 64)},
    {"ACodeCountsAsOneChar", std::string(60, 'a') + "\r\n" + std::string(4, 'b'),
     "\r\n    '" + std::string(60, 'a') + "'#13#10'bb'" + Break + "'bb'"},
    {"CutMovesBeforeATwoByteSequence",
     std::string(63, 'a') + "\xC3\xA9"
                            "b",
     "\r\n    '" + std::string(63, 'a') + "'" + Break +
         "'\xC3\xA9"
         "b'"},
    {"CutMovesBeforeAThreeByteSequence",
     std::string(62, 'a') + "\xE2\x82\xAC"
                            "b",
     "\r\n    '" + std::string(62, 'a') + "'" + Break +
         "'\xE2\x82\xAC"
         "b'"},
    {"CutAfterAWholeSequenceStays",
     std::string(62, 'a') + "\xC3\xA9"
                            "bc",
     "\r\n    '" + std::string(62, 'a') + "\xC3\xA9'" + Break + "'bc'"},
    {"StrayContinuationBytesAreCutAnywhere", std::string(66, '\xA9'),
     "\r\n    '" + std::string(64, '\xA9') + "'" + Break + "'\xA9\xA9'"},
    {"SequenceThatWouldLeaveAnEmptyRunMovesWhole",
     std::string(63, '\1') + "\xC3\xA9"
                             "x",
     "\r\n    " + Repeat("#1", 63) + Break +
         "'\xC3\xA9"
         "x'"},
};

TEST(WriteQuotedText, BreaksLinesAfterSixtyFourChars) {
    for (const TQuoteCase& row : QuoteCases) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Quote(row.Text), row.Expected);
    }
}

TEST(WriteQuotedText, WideUnitsFollowTheSameLayout) {
    std::u16string wide(64, u'\u00E9');
    wide += u"\u0100z";
    EXPECT_EQ(Quote(wide), "\r\n    '" + std::string(64, '\xE9') + "'" + Break + "#256'z'");
    EXPECT_EQ(Quote(std::u16string(u"\xD83D\xDE00")), "#55357#56832");
}

}  // namespace
}  // namespace codelume
