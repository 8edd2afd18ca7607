#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "ReadPage.h"
#include "reader/TextDecoding.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;

struct TCharsetCase {
    const char* Name;
    std::string Head;  // ASCII markup, kept as it is
    std::string Body;  // bytes in the page's charset
    std::string Text;  // the body as the engine keeps it
    TTextKind Kind = TTextKind::tkHtml;
};

class DecodeDocument : public ::testing::TestWithParam<TCharsetCase> {};

TEST_P(DecodeDocument, ReadsTheCharsetTheBytesAreIn) {
    const TCharsetCase& row = GetParam();
    EXPECT_EQ(codelume::DecodeDocument(row.Head + row.Body, row.Kind), row.Head + row.Text);
}

const std::string Koi8Meta =
    "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=KOI8-R\">";
const std::string KoiPrivet = "\xF0\xD2\xC9\xD7\xC5\xD4";
const std::string Privet = "\u041F\u0440\u0438\u0432\u0435\u0442";

INSTANTIATE_TEST_SUITE_P(
    Charsets, DecodeDocument,
    ::testing::Values(
        TCharsetCase{"Utf8Undeclared", "", "caf\xC3\xA9", "caf\u00E9"},
        TCharsetCase{"Latin1Undeclared", "<P>", "caf\xE9", "caf\u00E9"},
        TCharsetCase{"Windows1252Undeclared", "", "\x93q\x94 \x80\x81",
                     "\u201Cq\u201D \u20AC\u0081"},
        TCharsetCase{"MixedKeepsTheValidSequences", "", "\xC3\xA9 \xE9", "\u00E9 \u00E9"},
        TCharsetCase{"Utf8Mark", "",
                     "\xEF\xBB\xBF"
                     "a\xE9",
                     "a\uFFFD"},
        TCharsetCase{"Utf16LittleEndianMark", "",
                     std::string("\xFF\xFE"
                                 "a\0\x14\x04",
                                 6),
                     "a\u0414"},
        TCharsetCase{"Utf16BigEndianMark", "", std::string("\xFE\xFF\0a\x04\x14", 6), "a\u0414"},
        TCharsetCase{"HttpEquivKoi8r", Koi8Meta, KoiPrivet, Privet},
        TCharsetCase{"MetaCharsetWindows1251", "<meta charset=windows-1251>",
                     "\xCF\xF0\xE8\xE2\xE5\xF2", Privet},
        TCharsetCase{"QuotedCharsetShiftJis", "<head><meta charset=\"Shift_JIS\" />",
                     "\x93\xFA\x96\x7B", "\u65E5\u672C"},
        TCharsetCase{"ShiftJisKeepsBackslashAndTilde", "<meta charset=shift_jis>",
                     "<a href=\"~x\\y\">\x93\xFA", "<a href=\"~x\\y\">\u65E5"},
        TCharsetCase{"EucKrReadsTheWindowsSyllables", "<meta charset=euc-kr>", "\x81\x41",
                     "\uAC02"},
        TCharsetCase{"WindowsKoreanLabel", "<meta charset=ks_c_5601-1987>", "\xC7\xD1", "\uD55C"},
        TCharsetCase{"Gb2312ReadsGbk", "<meta charset=gb2312>", "\xD6\xD0\x81\x40", "\u4E2D\u4E02"},
        TCharsetCase{"ContentTypeEucKr",
                     "<meta content='text/html;charset = euc-kr' http-equiv=content-type>",
                     "\xC7\xD1\xB1\xDB", "\uD55C\uAE00"},
        TCharsetCase{"DeclaredLatin1IsWindows1252", "<meta charset=iso-8859-1>", "\x96\xC3\xA9",
                     "\u2013\u00C3\u00A9"},
        TCharsetCase{"DeclaredUtf8ShowsBadBytesReplaced", "<meta charset=utf-8>", "\xE9!",
                     "\uFFFD!"},
        TCharsetCase{"CutOffSequenceIsReplaced", "<meta charset=shift_jis>", "a\x93", "a\uFFFD"},
        TCharsetCase{"UnknownCharsetFallsBack", "<meta charset=x-unheard-of>", "\xE9", "\u00E9"},
        TCharsetCase{"MetaInTheBodyIsNotRead", "<body><meta charset=koi8-r>", "\xF0", "\u00F0"},
        TCharsetCase{"MetaAfterTheHeadIsNotRead", "</head><meta charset=koi8-r>", "\xF0", "\u00F0"},
        TCharsetCase{"MetaInACommentIsNotRead", "<!-- <meta charset=koi8-r> -->", "\xF0", "\u00F0"},
        TCharsetCase{"ScriptTextIsNoMarkup", "<script>if (a<b) c();</script><meta charset=koi8-r>",
                     KoiPrivet, Privet},
        TCharsetCase{"FirstDeclarationWins", "<meta charset=koi8-r><meta charset=windows-1251>",
                     KoiPrivet, Privet},
        TCharsetCase{"OtherMetasDeclareNothing", "<meta name=charset content=koi8-r>", "\xF0",
                     "\u00F0"},
        TCharsetCase{"PlainTextReadsNoMarkup", "<meta charset=koi8-r>", "\xF0", "\u00F0",
                     TTextKind::tkPlainText}),
    [](const auto& row) { return row.param.Name; });

TEST(ParseDocumentBuffer, DecodesTheTitleAndTheTextAlike) {
    struct TRow {
        const char* Name;
        std::string Head;
        std::string Title;  // bytes in the page's charset
        std::string Shown;
    };
    for (const TRow& row : {
             TRow{"DeclaredKoi8r", Koi8Meta, KoiPrivet, Privet},
             TRow{"UndeclaredUtf8", "", "caf\xC3\xA9", "caf\u00E9"},
             TRow{"UndeclaredWindows1252", "", "\x93q\x94", "\u201Cq\u201D"},
             TRow{"References", "", "a &ndash; b&#8212;&#x41;&rsquo;", "a \u2013 b\u2014A\u2019"},
         }) {
        SCOPED_TRACE(row.Name);
        TReadPage page(row.Head + "<TITLE>" + row.Title + "</TITLE></HEAD><BODY>" + row.Title +
                       " &eacute;");
        EXPECT_EQ(page.Result.Title, row.Shown);
        EXPECT_THAT(page.Blocks(), ElementsAre("section \"" + row.Shown + " \u00E9\""));
    }
}

TEST(ParseDocumentBuffer, DecodesAnIncludedBlockLikeAnUndeclaredPage) {
    std::string html = "a<!--#include file=\"x\" -->b";
    TSectionList document;
    TAnchorIndex anchors;
    ParseDocumentBuffer(
        document, anchors, html.data(), static_cast<int32_t>(html.size()),
        [](const std::string&, const std::vector<std::string>&) { return std::string("\xE9"); });
    EXPECT_THAT(BlocksOf(document), ElementsAre("section \"a\u00E9b\""));
}

}  // namespace
}  // namespace codelume
