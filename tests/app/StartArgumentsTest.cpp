#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/StartArguments.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;
using TArgs = std::vector<std::string>;

TEST(StartInformation, AnswersHelpAndVersionAmongTheOptions) {
    struct TCase {
        TArgs Arguments;
        std::optional<std::string> Expected;
    };
    for (const TCase& row : {
             TCase{{"--help"}, StartUsage},
             TCase{{"-platform", "offscreen", "--version"}, "codelume " CODELUME_VERSION "\n"},
             TCase{{"Unit1.pas"}, std::nullopt},
             TCase{{"--", "--help"}, std::nullopt},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.Arguments));
        EXPECT_EQ(StartInformation(row.Arguments), row.Expected);
    }
}

TEST(StartSource, TakesOneFileAsAnAbsolutePath) {
    std::string here = std::filesystem::current_path().string();
    struct TCase {
        TArgs Arguments;
        std::optional<std::string> Expected;
    };
    for (const TCase& row : {
             TCase{{}, std::nullopt},
             TCase{{"/src/Unit1.pas"}, "/src/Unit1.pas"},
             TCase{{"src/../Unit1.pas"}, here + "/Unit1.pas"},
             TCase{{"--", "-odd.pas"}, here + "/-odd.pas"},
             TCase{{"-"}, here + "/-"},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.Arguments));
        EXPECT_EQ(StartSource(row.Arguments), row.Expected);
    }
}

TEST(StartSource, RefusesWhatItCannotOpen) {
    struct TCase {
        TArgs Arguments;
        const char* Message;
    };
    for (const TCase& row : {
             TCase{{"--bogus"}, "unknown option --bogus"},
             TCase{{"a.pas", "b.pas"}, "only one file can be opened"},
             TCase{{""}, "the file name is empty"},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.Arguments));
        EXPECT_THAT([&] { StartSource(row.Arguments); },
                    ThrowsMessage<EStartUsage>(StrEq(row.Message)));
    }
}

}  // namespace
}  // namespace codelume
