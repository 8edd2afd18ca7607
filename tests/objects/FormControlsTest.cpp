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
        {"PasswordLikeAnEdit", InputSy, Attributes({{TypeSy, "Password"}}), {168, 24}},
        // 168 for the field, 4 between, 72 + 16 for "Browse...".
        {"FileFieldAndItsButton", InputSy, Attributes({{TypeSy, "file"}}), {260, 24}},
        {"SubmitButtonNamesItself", InputSy, Attributes({{TypeSy, "SUBMIT"}}), {64, 24}},
        {"CheckBox", InputSy, Attributes({{TypeSy, "checkbox"}}), {13, 13}},
        {"Hidden", InputSy, Attributes({{TypeSy, "hidden"}}), {0, 0}},
        // In the 10-point preformatted font: 13 pixels a line, 7 a byte.
        {"TextAreaRowsByCols", TextAreaSy, Attributes({{RowsSy, "3"}, {ColsSy, "10"}}), {94, 47}},
        {"ListBoxOfFourRows", SelectSy, Attributes({{SizeSy, "4"}}), {32, 68}},
        {"MultipleListOfFourRows", SelectSy, Attributes({{MultipleSy, ""}}), {32, 68}},
        {"MultipleListOfTwoRows",
         SelectSy,
         Attributes({{MultipleSy, ""}, {SizeSy, "2"}}),
         {32, 36}},
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
    // Inside the 64 by 24 box, the last 16 pixels are a raised button the text stays left of.
    select.PaintAt(canvas, 20, 30);
    EXPECT_THAT(canvas.Calls(),
                ::testing::Contains("FillRect 67,31,83,53 " + Format("%06X", clBtnFace)));
    EXPECT_THAT(canvas.Calls().back(), ::testing::StartsWith("TextOut 24,46 \"One\""));
    EXPECT_THAT(canvas.Calls().back(), ::testing::EndsWith("clip=21,31,67,53"));
}

// The arrows are triangles of four pixel rows, 7 pixels wide at the base and
// 1 at the tip, centred on their buttons.
TEST(FormControl, DropDownsAndScrollBarsShowTheirArrows) {
    TSectionList document;
    TFixedCanvas canvas;
    std::string ink = Format("%06X", clWindowText);
    struct TCase {
        const char* Name;
        TAttributeList Attributes;
        std::vector<std::string> Rows;  // tip and base of each arrow
    } cases[] = {
        // 32 by 24 at (20,30): the button is 35..51 by 31..53, its arrow from 40 down.
        {"DropDownPointsDown", {}, {"FillRect 40,40,47,41", "FillRect 43,43,44,44"}},
        // 32 by 52: the buttons are 35..51 by 31..47 and 65..81.
        {"ListScrollsUpAndDown",
         Attributes({{SizeSy, "3"}}),
         {"FillRect 43,37,44,38", "FillRect 40,40,47,41", "FillRect 40,71,47,72",
          "FillRect 43,74,44,75"}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        TSelectControl select(document, row.Attributes);
        select.AddOption("1", "", false);
        select.ResetToInitial();
        select.Measure(canvas);
        canvas.ClearCalls();
        select.PaintAt(canvas, 20, 30);
        for (const std::string& arrowRow : row.Rows)
            EXPECT_THAT(canvas.Calls(), ::testing::Contains(arrowRow + " " + ink));
    }
}

// What shows inside a control: the calls that draw text or mark a selected row,
// without the font.
std::vector<std::string> ContentCalls(const std::vector<std::string>& calls) {
    std::string highlight = Format("%06X", clHighlight);
    std::vector<std::string> content;
    for (const std::string& call : calls) {
        if (call.starts_with("TextOut")) {
            size_t font = call.find(" size="), clip = call.find(" clip=");
            content.push_back(call.substr(0, font) + call.substr(clip));
        } else if (call.ends_with(highlight)) {
            content.push_back(call);
        }
    }
    return content;
}

TEST(FormControl, ShowsItsTextAsAReaderShowsIt) {
    TSectionList document;
    TFixedCanvas canvas;
    std::string ink = Format("%06X", clWindowText);
    std::string marked = Format("%06X", clHighlightText);
    std::string bar = Format("%06X", clHighlight);
    struct TCase {
        const char* Name;
        THtmlSymbol Tag;
        TAttributeList Attributes;
        std::vector<std::string> Items;  // options (a leading * selects) or lines
        std::vector<std::string> Content;
    } cases[] = {
        // 94 by 47 at (20,30); rows of 13 from 34, left of the bar at 97.
        {"TextAreaShowsALineARow",
         TextAreaSy,
         Attributes({{RowsSy, "3"}, {ColsSy, "10"}}),
         {"one", "", "three", "four"},
         {"TextOut 24,44 \"one\" " + ink + " clip=21,31,97,76",
          "TextOut 24,70 \"three\" " + ink + " clip=21,31,97,76"}},
        // 32 by 52 at (20,30); rows of 16 from 32, left of the bar at 35.
        {"ListShowsItsRowsAndSelection",
         SelectSy,
         Attributes({{SizeSy, "3"}}),
         {"A", "*B", "C", "D"},
         {"TextOut 24,44 \"A\" " + ink + " clip=21,32,35,48", "FillRect 21,48,35,64 " + bar,
          "TextOut 24,60 \"B\" " + marked + " clip=21,48,35,64",
          "TextOut 24,76 \"C\" " + ink + " clip=21,64,35,80"}},
        {"ListScrollsToItsFirstSelection",
         SelectSy,
         Attributes({{SizeSy, "2"}, {MultipleSy, ""}}),
         {"A", "B", "C", "*D"},
         {"TextOut 24,44 \"C\" " + ink + " clip=21,32,35,48", "FillRect 21,48,35,64 " + bar,
          "TextOut 24,60 \"D\" " + marked + " clip=21,48,35,64"}},
        // A bullet for each character, two bytes of UTF-8 being one.
        {"PasswordShowsBullets",
         InputSy,
         Attributes({{TypeSy, "password"}, {ValueSy, "\xC3\xA9x"}}),
         {},
         {"TextOut 24,46 \"\xE2\x80\xA2\xE2\x80\xA2\" " + ink + " clip=21,31,187,53"}},
        // The field is 20..188, the button 192..280 with its caption 8 in.
        {"FileFieldShowsItsButton",
         InputSy,
         Attributes({{TypeSy, "file"}}),
         {},
         {"TextOut 200,46 \"Browse...\" " + ink + " clip=193,31,279,53"}},
        {"ButtonCaptionInTheMiddle",
         InputSy,
         Attributes({{TypeSy, "submit"}}),
         {},
         {"TextOut 28,46 \"Submit\" " + ink + " clip=21,31,83,53"}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        auto control = CreateFormControl(row.Tag, document, row.Attributes);
        for (const std::string& item : row.Items) {
            if (auto* area = dynamic_cast<TTextAreaControl*>(control.get())) area->AddLine(item);
            if (auto* select = dynamic_cast<TSelectControl*>(control.get()))
                select->AddOption(item.substr(item.starts_with('*')), "", item.starts_with('*'));
        }
        control->ResetToInitial();
        control->Measure(canvas);
        canvas.ClearCalls();
        control->PaintAt(canvas, 20, 30);
        EXPECT_EQ(ContentCalls(canvas.Calls()), row.Content);
    }
}

// A check box and an edit are square sunken boxes (a fill and four frame
// edges), a radio button a circle; a check shows inside.
TEST(FormControl, CheckedBoxesShowACrossOrADotAndEditsTheirText) {
    TSectionList document;
    TFixedCanvas canvas;
    std::string ink = Format("%06X", clWindowText);
    std::string field = Format("%06X", clWindow);
    std::string shadow = Format("%06X", clBtnShadow);
    struct TCase {
        const char* Name;
        TAttributeList Attributes;
        std::string Box;                 // the first call, the shape of the box
        size_t BoxCalls;                 // the calls that draw the box and its frame
        std::vector<std::string> Marks;  // the calls after those
    } cases[] = {
        {"CheckedBox",
         Attributes({{TypeSy, "checkbox"}, {CheckedSy, ""}}),
         "FillRect 20,30,33,43 " + field,
         5,
         {"Line 23,33 29,39 " + ink, "Line 23,39 29,33 " + ink}},
        {"CheckedRadio",
         Attributes({{TypeSy, "radio"}, {CheckedSy, ""}}),
         "Ellipse 20,30,33,43 " + shadow + " fill=" + field,
         1,
         {"Ellipse 23,33,30,40 " + ink + " fill=" + ink}},
        {"UncheckedRadio",
         Attributes({{TypeSy, "radio"}}),
         "Ellipse 20,30,33,43 " + shadow + " fill=" + field,
         1,
         {}},
        {"UncheckedBox",
         Attributes({{TypeSy, "checkbox"}}),
         "FillRect 20,30,33,43 " + field,
         5,
         {}},
        {"Edit",
         Attributes({{ValueSy, "ab"}}),
         "FillRect 20,30,188,54 " + field,
         5,
         {"TextOut 24,46 \"ab\" " + ink}},
    };
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.Name);
        auto control = CreateFormControl(InputSy, document, row.Attributes);
        control->ResetToInitial();
        control->Measure(canvas);
        canvas.ClearCalls();
        control->PaintAt(canvas, 20, 30);
        std::vector<std::string> calls = canvas.Calls();
        ASSERT_GE(calls.size(), row.BoxCalls);
        EXPECT_EQ(calls.front(), row.Box);
        calls.erase(calls.begin(), calls.begin() + static_cast<std::ptrdiff_t>(row.BoxCalls));
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
