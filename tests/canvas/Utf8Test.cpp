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
