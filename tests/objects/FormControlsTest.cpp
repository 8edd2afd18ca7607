#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "base/Format.h"
#include "canvas/FixedCanvas.h"
#include "document/Section.h"
#include "document/SectionList.h"
#include "objects/FormControls.h"
#include "objects/HtmlForm.h"

namespace codelume {
namespace {

// The document's base font on the fixed canvas: 16 pixels a line, 8 a byte.
TEST(FormControl, SizeComesFromItsAttributes) {
    struct TCase {
        const char* Name;
        THtmlSymbol Tag;
        TAttributeList Attributes;
        TSize Expected;
    };
    TCase cases[] = {
        {"EditOfTwentyCharacters", InputSy, {}, {168, 24}},
        {"EditOfSize5", InputSy, Attributes({{SizeSy, "5"}}), {48, 24}},
        {"SubmitButtonNamesItself", InputSy, Attributes({{TypeSy, "SUBMIT"}}), {64, 24}},
        {"CheckBox", InputSy, Attributes({{TypeSy, "checkbox"}}), {13, 13}},
        {"Hidden", InputSy, Attributes({{TypeSy, "hidden"}}), {0, 0}},
        {"TextAreaRowsByCols", TextAreaSy, Attributes({{RowsSy, "3"}, {ColsSy, "10"}}), {104, 56}},
        {"ListBoxOfFourRows", SelectSy, Attributes({{SizeSy, "4"}}), {32, 68}},
    };
    TSectionList document;
    TFixedCanvas canvas;
    for (TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        auto control = CreateFormControl(row.Tag, document, row.Attributes);
        control->Measure(canvas);
        EXPECT_EQ((TSize{control->Width, control->Height}), row.Expected);
    }
}

TEST(FormControl, DropDownShowsTheFirstOptionWhenNoneIsSelected) {
    TSectionList document;
    TSelectControl select(document, {});
    select.AddOption("One", "1", false);
    select.AddOption("Three", "", false);
    select.ResetToInitial();
    EXPECT_EQ(select.Kind, TControlKind::ComboBox);
    EXPECT_THAT(select.Selection, ::testing::ElementsAre(true, false));
    TFixedCanvas canvas;
    select.Measure(canvas);
    EXPECT_EQ(select.Width, 40 + 8 + 16);
    // Inside the 64 by 24 box, the last 16 pixels are a raised strip the text stays left of.
    select.PaintAt(canvas, 20, 30);
    EXPECT_THAT(canvas.Calls(),
                ::testing::Contains("FillRect 67,31,83,53 " + Format("%06X", clBtnFace)));
    EXPECT_THAT(canvas.Calls().back(), ::testing::EndsWith("clip=21,31,67,53"));
}

TEST(FormControl, CheckedBoxesShowACrossOrADotAndEditsTheirText) {
    TSectionList document;
    TFixedCanvas canvas;
    std::string ink = Format("%06X", clWindowText);
    struct TCase {
        const char* Name;
        TAttributeList Attributes;
        std::vector<std::string> Marks;  // the calls after the box and its frame
    } cases[] = {
        {"CheckedBox",
         Attributes({{TypeSy, "checkbox"}, {CheckedSy, ""}}),
         {"Line 23,33 29,39 " + ink, "Line 23,39 29,33 " + ink}},
        {"CheckedRadio",
         Attributes({{TypeSy, "radio"}, {CheckedSy, ""}}),
         {"Ellipse 23,33,30,40 " + ink + " fill=" + ink}},
        {"UncheckedBox", Attributes({{TypeSy, "checkbox"}}), {}},
        {"Edit", Attributes({{ValueSy, "ab"}}), {"TextOut 24,46 \"ab\" " + ink}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        auto control = CreateFormControl(InputSy, document, row.Attributes);
        control->ResetToInitial();
        control->Measure(canvas);
        canvas.ClearCalls();
        control->PaintAt(canvas, 20, 30);
        std::vector<std::string> calls = canvas.Calls();
        ASSERT_GE(calls.size(), 5u);
        calls.erase(calls.begin(), calls.begin() + 5);
        for (std::string& call : calls) call = call.substr(0, call.find(" size="));
        EXPECT_EQ(calls, row.Marks);
    }
}

TEST(InsertFormControl, StartsAFormAndPlacesTheControlByKind) {
    TSectionList document;
    TRunStyle style;
    TSection section(0, taLeftJustify, TUrlTarget{}, document.BaseFont(), style);
    THtmlForm* form = nullptr;
    InsertFormControl(section, InputSy, document, form, {});
    InsertFormControl(section, InputSy, document, form, Attributes({{TypeSy, "hidden"}}));
    THtmlControl& button =
        InsertFormControl(section, InputSy, document, form, Attributes({{TypeSy, "image"}}));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(document.FormList.Count(), 1);
    EXPECT_EQ(form->Controls.Count(), 3);
    EXPECT_EQ(document.FormControlList.size(), 3u);
    EXPECT_EQ(section.Text(), std::string("\x02\x04"));
    EXPECT_EQ(section.Images[0]->Control, &button);
}

}  // namespace
}  // namespace codelume
