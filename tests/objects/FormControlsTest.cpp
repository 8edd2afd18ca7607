#include "objects/FormControls.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Attributes.h"
#include "canvas/FixedCanvas.h"
#include "document/Section.h"
#include "document/SectionList.h"
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
}

TEST(InsertFormControl, StartsAFormAndPlacesTheControlByKind) {
    TSectionList document;
    TRunStyle style;
    TSection section(0, taLeftJustify, TUrlTarget{}, document.BaseFont(), style);
    THtmlForm* form = nullptr;
    InsertFormControl(section, InputSy, document, form, {});
    InsertFormControl(section, InputSy, document, form, Attributes({{TypeSy, "hidden"}}));
    THtmlControl& button = InsertFormControl(section, InputSy, document, form, Attributes({{TypeSy, "image"}}));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(document.FormList.Count(), 1);
    EXPECT_EQ(form->Controls.Count(), 3);
    EXPECT_EQ(document.FormControlList.size(), 3u);
    EXPECT_EQ(section.Text(), std::string("\x02\x04"));
    EXPECT_EQ(section.Images[0]->Control, &button);
}

}  // namespace
}  // namespace codelume
