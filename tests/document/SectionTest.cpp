#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DocumentTestSupport.h"

namespace codelume {
namespace {

TEST(AppendText, DropsOneLeadingSpaceAfterASpaceOrAtTheStart) {
    struct TRow {
        const char* Name;
        std::vector<std::string> Pieces;
        std::string Text;
    };
    for (const TRow& row :
         {TRow{"AtStart", {" a"}, "a"}, TRow{"AfterSpace", {"a ", " b"}, "a b"},
          TRow{"OnlyOneSpace", {"a ", "  b"}, "a  b"}, TRow{"AfterText", {"a", " b"}, "a b"},
          TRow{"EmptyPieceChangesNothing", {"a", "", "b"}, "ab"}}) {
        SCOPED_TRACE(row.Name);
        TDocumentTest test;
        auto section = test.Make(0, taLeftJustify, TUrlTarget{});
        for (const std::string& piece : row.Pieces) section->AppendText(piece);
        EXPECT_EQ(section->Text(), row.Text);
    }
}

TEST(AppendText, PreformattedKeepsEverySpaceAndDropsTheMarkBytes) {
    TDocumentTest test;
    auto pre = test.Make<TPreformatted>(0, taLeftJustify, TUrlTarget{});
    pre->AppendText(" a ");
    pre->AppendText(std::string(" b\0c\x02\x04", 7));
    EXPECT_EQ(pre->Text(), " a  bc");
}

TEST(AppendText, StopsTakingTextPastTwentyThousandCharacters) {
    TDocumentTest test;
    auto section = test.Make(0, taLeftJustify, TUrlTarget{});
    section->AppendText(std::string(19999, 'x'));
    section->AppendText("yy");  // arrives at 19999: appended whole
    section->AppendText("zz");  // arrives at 20001: dropped
    EXPECT_EQ(section->CharCount, 20001);
    EXPECT_EQ(section->Text().substr(19999), "yy");
}

TEST(AppendText, DropsTheSpaceAfterFloatingImagesOnly) {
    TDocumentTest test;
    auto section = test.Make(0, taLeftJustify, TUrlTarget{});
    section->InsertImage(std::make_unique<TTestImage>(10, 10, iaLeft));
    section->AppendText(" a");
    EXPECT_EQ(section->Text(),
              "\x04"
              "a");
    auto inline_ = test.Make(0, taLeftJustify, TUrlTarget{});
    inline_->InsertImage(std::make_unique<TTestImage>(10, 10, iaBottom));
    inline_->AppendText(" a");
    EXPECT_EQ(inline_->Text(), "\x04 a");
}

TEST(StartFontRun, ReplacesARunThatHasNoCharactersYet) {
    TDocumentTest test;
    auto section = test.Make(0, taLeftJustify, TUrlTarget{"a.htm", "main"});
    TMyFont bold = test.Doc.BaseFont();
    bold.Style = fsBold;
    section->StartFontRun(test.Doc, bold, test.Style);
    ASSERT_EQ(section->Runs.Count(), 1);
    EXPECT_EQ(section->Runs[0]->Face.Style, fsBold);
    section->AppendText("x");
    test.Style.StyleOverlay = fsItalic;
    section->StartFontRun(test.Doc, test.Doc.BaseFont(), test.Style);
    ASSERT_EQ(section->Runs.Count(), 2);
    EXPECT_EQ(section->Runs[1]->StartIndex, 1);
    EXPECT_EQ(section->Runs[1]->Face.Style, fsItalic);
    EXPECT_EQ(section->Runs[1]->Link.Get().Url,
              "a.htm");  // the link stays open across font changes
}

TEST(StartFontRun, SetsScriptRunsAtThreeQuartersOfTheirSize) {
    TDocumentTest test;
    test.Style.ScriptState = ssSuperscript;
    auto section = test.Make(0, taLeftJustify, TUrlTarget{});
    EXPECT_EQ(test.Style.ScriptState, ssNormal);  // a new block resets the script state
    test.Style.ScriptState = ssSuperscript;
    section->StartFontRun(test.Doc, test.Doc.BaseFont(), test.Style);
    EXPECT_EQ(section->Runs[0]->ScriptShift, ssNormal);  // never on the first run
    section->AppendText("x");
    section->StartFontRun(test.Doc, test.Doc.BaseFont(), test.Style);
    EXPECT_EQ(section->Runs[1]->ScriptShift, ssSuperscript);
    EXPECT_EQ(section->Runs[1]->Face.BaseSize, 9);
    EXPECT_EQ(section->Runs[1]->Face.Size, 9);
}

TEST(ChangeLink, OpensAndClosesLinksOnNewRuns) {
    TDocumentTest test;
    auto section = test.MakeText("a");
    section->ChangeLink(test.Doc, test.Doc.BaseFont(), {"b.htm", ""}, test.Style);
    section->AppendText("b");
    section->ChangeLink(test.Doc, test.Doc.BaseFont(), {}, test.Style);
    section->AppendText("c");
    ASSERT_EQ(section->Runs.Count(), 3);
    EXPECT_FALSE(section->Runs[0]->Link.IsLink());
    EXPECT_EQ(section->Runs[1]->Link.Get().Url, "b.htm");
    EXPECT_FALSE(section->Runs[2]->Link.IsLink());
}

TEST(SetClear, ReadsTheClearAttribute) {
    struct TRow {
        const char* Value;
        TClearMode Mode;
    };
    for (TRow row :
         {TRow{"LEFT", cmLeft}, TRow{"right", cmRight}, TRow{"all", cmBoth}, TRow{"", cmBoth}}) {
        SCOPED_TRACE(row.Value);
        TDocumentTest test;
        auto section = test.MakeText("a");
        TAttributeList attributes;
        attributes.Add(ClearSy, 0, row.Value);
        section->SetClear(attributes);
        EXPECT_EQ(section->ClearMode, row.Mode);
    }
}

TEST(AddSection, GivesEmptyPreformattedLinesOneSpaceAndTerminatesText) {
    TDocumentTest test;
    TPreformatted& pre = test.Add(test.Make<TPreformatted>(0, taLeftJustify, TUrlTarget{}));
    EXPECT_EQ(pre.Text(), " ");
    TSection& text = test.AddText("ab");
    EXPECT_EQ(text.Chars[2], 0);
    EXPECT_EQ(text.Owner, &test.Doc);
    test.Doc.AddSection(nullptr);
    EXPECT_EQ(test.Doc.Blocks.Count(), 2);
}

TEST(FinishSection, PutsASpaceIntoAnEmptyBlock) {
    TDocumentTest test;
    auto section = test.Make(0, taCenter, TUrlTarget{});
    EXPECT_EQ(section->FinishSection(), taCenter);
    EXPECT_EQ(section->Text(), " ");
}

}  // namespace
}  // namespace codelume
