#include <gtest/gtest.h>

#include "canvas/Utf8.h"

namespace codelume {
namespace {

TEST(Utf8SequenceLength, AcceptsOnlyWellFormedSequences) {
    struct TRow {
        const char* Name;
        std::string_view Bytes;
        int Length;
    };
    for (TRow row :
         {TRow{"Ascii", "a", 0}, TRow{"TwoBytes", "\xC3\xA9", 2},
          TRow{"ThreeBytes", "\xE2\x82\xAC", 3}, TRow{"FourBytes", "\xF0\x9F\x98\x80", 4},
          TRow{"Latin1Alone", "\xE9t", 0}, TRow{"Overlong", "\xC0\xAF", 0},
          TRow{"Surrogate", "\xED\xA0\x80", 0}, TRow{"BeyondUnicode", "\xF4\x90\x80\x80", 0},
          TRow{"Truncated", "\xE2\x82", 0}}) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(Utf8SequenceLength(row.Bytes), row.Length);
    }
}

TEST(DecodeUtf8, ReadsBackWhatAppendUtf8Wrote) {
    struct TRow {
        const char* Name;
        char32_t Code;
        std::string_view Bytes;
    };
    for (TRow row : {TRow{"Ascii", U'a', "a"}, TRow{"TwoBytes", 0xE9, "\xC3\xA9"},
                     TRow{"ThreeBytes", 0x20AC, "\xE2\x82\xAC"},
                     TRow{"FourBytes", 0x1F600, "\xF0\x9F\x98\x80"},
                     TRow{"LastCodePoint", 0x10FFFF, "\xF4\x8F\xBF\xBF"}}) {
        SCOPED_TRACE(row.Name);
        std::string written;
        AppendUtf8(written, row.Code);
        EXPECT_EQ(written, row.Bytes);
        EXPECT_EQ(DecodeUtf8(row.Bytes), row.Code);
        EXPECT_EQ(Utf8CharLength(row.Bytes), static_cast<int32_t>(row.Bytes.size()));
        EXPECT_EQ(Utf8CharCount(row.Bytes), 1);
    }
}

TEST(DecodeUtf8, ReplacesWhatIsNoCharacter) {
    std::string written;
    AppendUtf8(written, 0xD800);
    AppendUtf8(written, 0x110000);
    EXPECT_EQ(written, "\uFFFD\uFFFD");
    EXPECT_EQ(DecodeUtf8("\xE9t"), ReplacementChar);
    EXPECT_EQ(Utf8CharLength("\xE9t"), 1);
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));
    EXPECT_TRUE(IsValidUtf8("caf\xC3\xA9"));
}

TEST(Utf8SafeCut, NeverSplitsASequence) {
    std::string_view text =
        "a\xE2\x82\xAC"
        "b";  // a, euro sign, b
    EXPECT_EQ(Utf8SafeCut(text, 1), 1);
    EXPECT_EQ(Utf8SafeCut(text, 2), 1);
    EXPECT_EQ(Utf8SafeCut(text, 3), 1);
    EXPECT_EQ(Utf8SafeCut(text, 4), 4);
    // Latin-1 bytes are single characters: any cut between them stands.
    EXPECT_EQ(Utf8SafeCut("\xE9\xE9\xE9", 2), 2);
}

}  // namespace
}  // namespace codelume
