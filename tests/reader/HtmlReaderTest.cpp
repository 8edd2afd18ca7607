#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "ReadPage.h"
#include "document/GapBlocks.h"
#include "objects/HtmlTable.h"
#include "reader/HtmlReader.h"
#include "support/FindSection.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

// Each run of a block as its start index and base size.
std::vector<std::pair<int32_t, int32_t>> RunSizes(const TSection& section) {
    std::vector<std::pair<int32_t, int32_t>> sizes;
    for (const auto& run : section.Runs) sizes.emplace_back(run->StartIndex, run->Face.BaseSize);
    return sizes;
}

std::vector<std::pair<int32_t, TFontStyles>> RunStyles(const TSection& section) {
    std::vector<std::pair<int32_t, TFontStyles>> styles;
    for (const auto& run : section.Runs) styles.emplace_back(run->StartIndex, run->Face.Style);
    return styles;
}

TEST(ParseBody, KeepsTextWithoutABodyTag) {
    TReadPage page("<TITLE>The  &amp; title</TITLE>x<HR>y");
    EXPECT_EQ(page.Result.Title, "The & title");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"x\"", "hrule", "section \"y\""));
}

TEST(ParseBody, BodyDiscardsTheHeadTextAndMovesItsAnchors) {
    TReadPage page("<HEAD><A NAME=top><STYLE>p {}</STYLE></HEAD><BODY>x");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"x\""));
    ASSERT_EQ(page.Anchors.Count(), 1);
    EXPECT_EQ(page.Anchors[0].Name, "TOP");
    EXPECT_EQ(page.IndexOf(page.Anchors[0].Block), 0);
}

TEST(ParseBody, BodyAttributesSetTheDocumentColours) {
    TReadPage page("<BODY TEXT=red LINK=#00ff00 BGCOLOR=navy BACKGROUND=bg.gif>x");
    EXPECT_EQ(page.Document.FontColor, clRed | PaletteRelative);
    EXPECT_EQ(page.Document.HotSpotColor, clLime | PaletteRelative);
    EXPECT_EQ(page.Document.PageColor, clNavy | PaletteRelative);
    EXPECT_EQ(page.Document.BackgroundName, "bg.gif");
    EXPECT_EQ(page.Section(0).Runs[0]->Face.Color, clRed | PaletteRelative);
}

TEST(ParseBody, ALateBodyIsIgnoredAndTheBodyEndEndsTheDocument) {
    TReadPage page("a<P>b<BODY TEXT=red>c</BODY>d");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"a\"", "pspace", "section \"bc\""));
    EXPECT_EQ(page.Document.FontColor, TSectionList().FontColor);
}

TEST(ParseBody, BaseSetsTheBaseReference) {
    TReadPage page("<BASE HREF=http://h/ TARGET=main>x");
    EXPECT_EQ(page.Result.Base, "http://h/");
    EXPECT_EQ(page.Result.BaseTarget, "main");
}

TEST(ParseParagraph, ARunOfParagraphTagsMakesOneSpace) {
    struct TRow {
        const char* Html;
        std::vector<std::string> Blocks;
    };
    for (const TRow& row :
         {TRow{"<P><P></P><P>text", {"section \"\"", "pspace", "section \"text\""}},
          TRow{"<P>a<P>b", {"section \"\"", "pspace", "section \"a\"", "pspace", "section \"b\""}},
          TRow{"a<BR>b", {"section \"a\"", "section \"b\""}},
          TRow{"<P>a<BR><P>b",
               {"section \"\"", "pspace", "section \"a\"", "section \"\"", "pspace",
                "section \"b\""}},
          TRow{"<P><TABLE></TABLE><P>b",
               {"section \"\"", "pspace", "section \"\"", "table", "pspace", "section \"b\""}}}) {
        SCOPED_TRACE(row.Html);
        EXPECT_EQ(TReadPage(row.Html).Blocks(), row.Blocks);
    }
}

TEST(ParseParagraph, TheLastTagOfTheRunGivesTheAlignment) {
    EXPECT_EQ(TReadPage("<P ALIGN=center>b").SectionWith("b").Align, taCenter);
    EXPECT_EQ(TReadPage("<P ALIGN=center></P>b").SectionWith("b").Align, taLeftJustify);
    EXPECT_EQ(TReadPage("<P ALIGN=Right>a<BR>b").SectionWith("b").Align, taRightJustify);
}

TEST(ParseBreak, ClearGoesToTheNewBlock) {
    EXPECT_EQ(TReadPage("a<BR CLEAR=left>b").SectionWith("b").ClearMode, cmLeft);
}

TEST(StyleTags, StayInForceAcrossBlocksUntilTheirEndTag) {
    TReadPage page("<B>x<P>y</B>z<I>w");
    EXPECT_THAT(RunStyles(page.SectionWith("x")), ElementsAre(Pair(0, fsBold)));
    EXPECT_THAT(RunStyles(page.SectionWith("yzw")),
                ElementsAre(Pair(0, fsBold), Pair(1, 0), Pair(2, fsItalic)));
}

TEST(StyleTags, SubscriptsAreSetSmaller) {
    TReadPage page("a<SUB>b</SUB>c");
    const TSection& section = page.Section(0);
    ASSERT_EQ(section.Runs.Count(), 3);
    EXPECT_EQ(section.Runs[1]->ScriptShift, ssSubscript);
    EXPECT_EQ(section.Runs[1]->Face.BaseSize, 9);
    EXPECT_EQ(section.Runs[2]->ScriptShift, ssNormal);
}

TEST(ParseHeading, GivesGapsAndTheHeadingFont) {
    TReadPage page("<H2 ALIGN=right>Title</H2>after<H3>x");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"\"", "hspace", "section \"Title\"", "hspace",
                                           "section \"after\"", "hspace", "section \"x\""));
    EXPECT_EQ(dynamic_cast<THeadingSpace&>(*page.Document.Blocks[1]).Level, 2);
    const TSection& title = page.SectionWith("Title");
    EXPECT_EQ(title.Align, taRightJustify);
    EXPECT_EQ(title.Runs[0]->Face.BaseSize, 18);
    EXPECT_EQ(title.Runs[0]->Face.Style, fsBold);
    EXPECT_THAT(RunSizes(page.SectionWith("after")), ElementsAre(Pair(0, 12)));
    EXPECT_THAT(RunSizes(page.SectionWith("x")), ElementsAre(Pair(0, 15)));
}

TEST(ApplyFontAttributes, SizesAreClampedAndRelativeToTheBaseFont) {
    TReadPage page("<FONT SIZE=+1>a</FONT><FONT SIZE=9>b</FONT><FONT SIZE=-5>c</FONT>");
    EXPECT_THAT(RunSizes(page.Section(0)),
                ElementsAre(Pair(0, 14), Pair(1, 36), Pair(2, 8), Pair(3, 12)));
}

TEST(ApplyFontAttributes, AnEmptyFontTagStillTakesALevel) {
    TReadPage page("<FONT SIZE=7><FONT>x</FONT>y</FONT>z");
    EXPECT_THAT(RunSizes(page.Section(0)), ElementsAre(Pair(0, 36), Pair(1, 36), Pair(2, 12)));
}

TEST(ApplyFontAttributes, ColourAndFirstFace) {
    TReadPage page("<FONT COLOR=red FACE=\" Arial, Helvetica\">x");
    const TMyFont& face = page.Section(0).Runs[0]->Face;
    EXPECT_EQ(face.Color, clRed | PaletteRelative);
    EXPECT_EQ(face.Name, "Arial");
}

TEST(ApplyFontAttributes, BaseFontCountsOnlyBeforeTheFirstBlock) {
    TReadPage early("<BASEFONT SIZE=5>a<FONT SIZE=+1>b");
    EXPECT_THAT(RunSizes(early.Section(0)), ElementsAre(Pair(0, 18), Pair(1, 24)));
    TReadPage late("x<P><BASEFONT SIZE=5>a<FONT SIZE=+1>b");
    EXPECT_THAT(RunSizes(late.SectionWith("ab")), ElementsAre(Pair(0, 12), Pair(1, 24)));
}

TEST(StepFontSize, StepsThroughTheSizeTable) {
    EXPECT_THAT(RunSizes(TReadPage("<FONT SIZE=7><BIG>x").Section(0)), ElementsAre(Pair(0, 24)));
    EXPECT_THAT(RunSizes(TReadPage("<SMALL>x</SMALL>y").Section(0)),
                ElementsAre(Pair(0, 10), Pair(1, 12)));
    EXPECT_THAT(RunSizes(TReadPage("<FONT SIZE=1><SMALL>x").Section(0)), ElementsAre(Pair(0, 8)));
    // 15 is not in the table: BIG changes nothing, and its end tag pops the heading font.
    EXPECT_THAT(RunSizes(TReadPage("<H3>a<BIG>b</BIG>c").SectionWith("abc")),
                ElementsAre(Pair(0, 15), Pair(2, 12)));
}

TEST(ParseAnchor, OpensAndClosesLinks) {
    TReadPage page("<A HREF=a.htm TARGET=f>link</A>x<A HREF>y");
    const TSection& section = page.Section(0);
    ASSERT_EQ(section.Runs.Count(), 3);
    EXPECT_EQ(section.Runs[0]->Link, (TUrlTarget{"a.htm", "f"}));
    EXPECT_EQ(section.Runs[0]->Face.Style, fsUnderline);
    EXPECT_EQ(section.Runs[0]->Face.Color, page.Document.HotSpotColor);
    EXPECT_FALSE(section.Runs[1]->Link.IsLink());
    EXPECT_EQ(section.Runs[1]->Face.Style, 0);
    EXPECT_EQ(section.Runs[2]->Face.Style, fsUnderline);
    EXPECT_FALSE(section.Runs[2]->Link.IsLink());
}

TEST(ParseAnchor, NamesPointAtTheBlockOfTheFollowingText) {
    TReadPage page("a<P><A NAME=second>b<A NAME=First HREF=x>c<A NAME=FIRST>");
    ASSERT_EQ(page.Anchors.Count(), 2);
    EXPECT_EQ(page.Anchors[0].Name, "FIRST");
    EXPECT_EQ(page.Anchors[1].Name, "SECOND");
    EXPECT_EQ(page.Anchors[0].Block, &page.SectionWith("bc"));
    EXPECT_EQ(page.Anchors[1].Block, &page.SectionWith("bc"));
}

// An id names the block that holds the element's first content.
TEST(TagIds, AreAnchorsAtTheirElementsPlace) {
    struct TCase {
        const char* Name;
        const char* Html;
        const char* Id;
        const char* Text;  // of the block the anchor points at
    };
    const TCase cases[] = {
        {"top heading", "a<H1 ID=h1>Title</H1>b", "h1", "Title"},
        {"bottom heading", "a<H6 ID=h6>Small</H6>b", "h6", "Small"},
        {"paragraph", "a<P ID=p>para", "P", "para"},
        {"division", "a<DIV ID=d ALIGN=center>in</DIV>b", "d", "in"},
        {"unknown inline tag", "before <SPAN ID=s>in</SPAN> after", "s", "before in after"},
        {"unknown block tag", "a<SECTION ID=sec><H3>Head</H3>", "sec", "Head"},
        {"link text", "a<P><A HREF=x ID=link>go</A>", "link", "go"},
        {"empty anchor before text", "a<P><A ID=e></A>text", "e", "text"},
        {"list item", "<UL><LI ID=li>item</UL>", "li", "item"},
        {"definition term", "<DL><DT ID=dt>term<DD>def</DL>", "dt", "term"},
        {"preformatted", "<PRE ID=pre>one\ntwo</PRE>", "pre", "one"},
        {"empty preformatted line", "<PRE>one\n<A ID=e></A>\ntwo</PRE>", "e", " "},
        {"table", "a<TABLE ID=t><TR><TD>cell</TABLE>", "t", "cell"},
        {"table cell", "<TABLE><TR><TD>x<TD ID=td>cell</TABLE>", "td", "cell"},
        {"caption", "<TABLE><CAPTION ID=c>cap</CAPTION><TR><TD>x</TABLE>", "c", "cap"},
        {"image", "a<P><IMG ID=img SRC=x.png>", "img", "\x04"},
        {"text control", "a<P><INPUT ID=in>", "in", "\x02"},
        {"head text is discarded", "<HEAD><TITLE ID=t>T</TITLE></HEAD><BODY>body", "t", "body"},
        {"at the end", "text<A ID=end></A>", "end", "text"},
        {"first of two ids wins", "<P ID=dup>one<P ID=DUP>two", "dup", "one"},
        {"first of a tag's ids", "<P ID=one ID=two>x", "one", "x"},
        {"id before a name", "<P ID=n>one<P><A NAME=n>two", "n", "one"},
        {"id and name without text between", "a<SPAN ID=x></SPAN><A NAME=y></A><P>text", "x", "a"},
        {"name before an id", "<A NAME=n>one<P ID=n>two", "n", "one"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TReadPage page(c.Html);
        const TSection* block =
            FindSection(page.Document, [&](std::string_view text) { return text == c.Text; });
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(page.Anchors.Find(c.Id), block);
    }
}

TEST(TagIds, EndTagsAndEmptyIdsNameNothing) {
    TReadPage page("<P ID=\"\">a</P ID=x><B ID>b");
    EXPECT_EQ(page.Anchors.Count(), 0);
}

// A block stops at MaxBlockChars characters and the text goes on in a block
// of the same kind, depth and alignment; nothing is dropped.
TEST(ReadLongText, GoesOnInNewBlocksAndKeepsEveryCharacter) {
    struct TRow {
        const char* Name;
        std::string Open;
        TBlockKind Kind, ContinuedKind;
    };
    const TRow rows[] = {
        {"Paragraph", "<P ALIGN=center>", TBlockKind::Section, TBlockKind::Section},
        {"Preformatted", "<PRE>", TBlockKind::Pre, TBlockKind::Pre},
        {"ListItem", "<UL><LI>", TBlockKind::UListItem, TBlockKind::DListItem},
    };
    std::string words;
    for (int i = 0; words.size() < 3 * MaxBlockChars; ++i) words += "w" + std::to_string(i) + " ";
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        TReadPage page(row.Open + "<B>" + words);
        std::string text;
        const TSection* first = nullptr;
        for (const auto& block : page.Document.Blocks) {
            auto* section = dynamic_cast<TSection*>(block.get());
            if (section == nullptr || section->CharCount == 0) continue;
            EXPECT_LE(section->CharCount, MaxBlockChars);
            EXPECT_EQ(section->Kind(), first ? row.ContinuedKind : row.Kind);
            if (first) {
                EXPECT_EQ(section->Align, first->Align);
                EXPECT_EQ(section->Depth, first->Depth);
                EXPECT_EQ(section->Runs[0]->Face.Style, fsBold);
            }
            if (!first) first = section;
            text += section->Text();
        }
        // A paragraph may drop a space where it goes on; every other byte stays.
        auto withoutSpaces = [](std::string bytes) {
            bytes.erase(std::remove(bytes.begin(), bytes.end(), ' '), bytes.end());
            return bytes;
        };
        EXPECT_EQ(withoutSpaces(text), withoutSpaces(words));
        EXPECT_GE(text.size() + 3, words.size());
    }
}

TEST(ParseList, BuildsItemsAtTheirDepths) {
    TReadPage page("<UL><LI>a<UL PLAIN><LI><P>b</UL><LI>c</OL>d");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"\"", "ulitem \"a\"", "ulitem \"b\"",
                                           "ulitem \"c\"", "section \"d\""));
    EXPECT_EQ(page.SectionWith("a").Depth, 1);
    EXPECT_EQ(page.SectionWith("b").Depth, 2);
    EXPECT_TRUE(dynamic_cast<TUListItem&>(page.SectionWith("b")).PlainItem);
    EXPECT_FALSE(dynamic_cast<TUListItem&>(page.SectionWith("c")).PlainItem);
    EXPECT_EQ(page.SectionWith("d").Depth, 0);
}

TEST(ParseList, NumbersOrderedItemsFromStart) {
    TReadPage page("<OL START=3 TYPE=a><LI>x<LI>y</OL><OL><LI>z</OL>");
    auto& x = dynamic_cast<TOListItem&>(page.SectionWith("x"));
    EXPECT_EQ(x.ItemNumber, 3);
    EXPECT_EQ(x.NumberStyle, 'a');
    EXPECT_EQ(page.SectionWith("y").ItemNumber, 4);
    EXPECT_EQ(dynamic_cast<TOListItem&>(page.SectionWith("z")).NumberStyle, '1');
    EXPECT_EQ(page.SectionWith("z").ItemNumber, 1);
}

TEST(ParseList, DefinitionTermsHangOutByOneLevel) {
    TReadPage page("<DL><DT>term<DD>def</DL><BLOCKQUOTE>q</BLOCKQUOTE>");
    EXPECT_THAT(page.Blocks(),
                ElementsAre("section \"\"", "dlitem \"term\"", "dlitem \"def\"", "section \"q\""));
    EXPECT_EQ(page.SectionWith("term").Depth, 0);
    EXPECT_EQ(page.SectionWith("def").Depth, 1);
    EXPECT_EQ(page.SectionWith("q").Depth, 1);
}

// Where a list ends: at its own end tag, which it consumes, or at a terminator
// of an enclosing element, which that element still sees.
TEST(ParseList, EndsAtItsOwnEndTagOrLeavesTheTerminatorToItsCaller) {
    struct TCase {
        const char* Name;
        const char* Html;
        const char* Text;
        const char* Kind;
        TAlignment Align;
        int32_t Depth;
    };
    const TCase cases[] = {
        {"block end cuts the list", "<CENTER><UL><LI>x</CENTER>y", "y", "section", taLeftJustify,
         0},
        {"list end cuts the block", "<UL><LI>a<DIV ALIGN=right>b</UL>c", "c", "section",
         taLeftJustify, 0},
        {"inner list inside a DIV of an item",
         "<UL><LI>a<DIV ALIGN=right><UL><LI>b</UL>c</DIV><LI>d</UL>", "c", "section",
         taRightJustify, 1},
        {"the outer list goes on after the DIV", "<UL><LI>a<DIV><UL><LI>b</UL>c</DIV><LI>d</UL>e",
         "d", "ulitem", taLeftJustify, 1},
        {"inner list inside a CENTER of an item",
         "<OL><LI>a<CENTER><DL><DD>b</DL>c</CENTER><LI>d</OL>", "c", "section", taCenter, 1},
        {"the outer list ends at its own end tag", "<UL><LI>a<DIV><OL><LI>b</OL>c</DIV><LI>d</UL>e",
         "e", "section", taLeftJustify, 0},
        {"an item inside the DIV ends the DIV", "<UL><LI>a<DIV ALIGN=right>b<LI>c</DIV>d</UL>",
         "cd", "ulitem", taLeftJustify, 1},
        {"a term after a CENTER in a definition", "<DL><DT>t<DD><CENTER>x</CENTER><DT>u</DL>", "u",
         "dlitem", taLeftJustify, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TReadPage page(c.Html);
        const TSection& section = page.SectionWith(c.Text);
        EXPECT_STREQ(BlockKindName(section.Kind()), c.Kind);
        EXPECT_EQ(section.Align, c.Align);
        EXPECT_EQ(section.Depth, c.Depth);
    }
}

TEST(ParseList, ATableCellEndsTheListInThePreviousCell) {
    TReadPage cells("<TABLE><TR><TD><UL><LI>a<TD>b</TABLE>");
    const auto& table = dynamic_cast<const THtmlTable&>(*cells.Document.Blocks[1]);
    ASSERT_EQ(table.Rows.Count(), 1);
    EXPECT_EQ(table.Rows[0]->Count(), 2);
}

TEST(ParseBlock, CentersAndDivsNestTheirAlignment) {
    TReadPage page("<CENTER>a<DIV ALIGN=right>b</DIV>c</CENTER>d");
    EXPECT_EQ(page.SectionWith("a").Align, taCenter);
    EXPECT_EQ(page.SectionWith("b").Align, taRightJustify);
    EXPECT_EQ(page.SectionWith("c").Align, taCenter);
    EXPECT_EQ(page.SectionWith("d").Align, taLeftJustify);
}

TEST(NestingCap, DeepListsAndBlocksStopAtSixtyFourLevels) {
    std::string lists;
    for (int i = 0; i < 100000; ++i) lists += "<UL><CENTER>";
    // A list inside a block starts again at depth 1.
    EXPECT_EQ(TReadPage(lists + "<LI>x").SectionWith("x").Depth, 1);
    std::string sixtyFive;
    for (int i = 0; i <= THtmlReader::MaxBlockNesting; ++i) sixtyFive += "<UL>";
    EXPECT_EQ(TReadPage(sixtyFive + "<LI>x").SectionWith("x").Depth, THtmlReader::MaxBlockNesting);
}

TEST(NestingCap, EndTagsStillCloseWhatIsOpen) {
    std::string html;
    for (int i = 0; i < 1000; ++i) html += "<DIV ALIGN=center>";
    html += "a";
    for (int i = 0; i < 1000; ++i) html += "</DIV>";
    TReadPage page(html + "b");
    EXPECT_EQ(page.SectionWith("a").Align, taCenter);
    EXPECT_EQ(page.SectionWith("b").Align, taLeftJustify);
}

// The depth of the chain of tables that starts in a cell, following the first
// table of each first cell.
int TableDepth(const TCell& cell) {
    for (const auto& block : cell.Blocks)
        if (const auto* table = dynamic_cast<const THtmlTable*>(block.get()))
            return 1 + (table->Rows.IsEmpty() || table->Rows[0]->IsEmpty()
                            ? 0
                            : TableDepth((*table->Rows[0])[0]->Cell));
    return 0;
}

TEST(NestingCap, DeepTablesStopAtSixteenLevels) {
    std::string tables;
    for (int i = 0; i < 100000; ++i) tables += "<TABLE><TR><TD>";
    EXPECT_EQ(TableDepth(TReadPage(tables + "x").Document), THtmlReader::MaxTableNesting);
    std::string two = "<TABLE><TR><TD><TABLE><TR><TD>x</TABLE></TABLE>";
    EXPECT_EQ(TableDepth(TReadPage(two).Document), 2);
}

TEST(ParsePre, KeepsSpacingAndMakesOneBlockPerLine) {
    TReadPage page("<PRE>\r\na  <B>b</B> c\r\n  &lt;x&gt;</PRE>after");
    EXPECT_THAT(page.Blocks(), ElementsAre("section \"\"", "pre \" \"", "pre \"a  b c\"",
                                           "pre \"  <x>\"", "section \"after\""));
    EXPECT_THAT(RunStyles(page.SectionWith("a  b c")),
                ElementsAre(Pair(0, 0), Pair(3, fsBold), Pair(4, 0)));
    EXPECT_TRUE(page.SectionWith("a  b c").Runs[0]->Face.IsMono);
    EXPECT_EQ(page.SectionWith("a  b c").Runs[0]->Face.BaseSize, 10);
    EXPECT_FALSE(page.SectionWith("after").Runs[0]->Face.IsMono);
}

TEST(ParsePre, OnlyParagraphAndBreakStartLines) {
    TReadPage page("<PRE>a<BR>\r\nb<P>c</P>d<H1>e</H1> < f</PRE>");
    EXPECT_THAT(page.Blocks(),
                ElementsAre("section \"\"", "pre \"a\"", "pre \"b\"", "pre \"cde  f\""));
}

TEST(ParsePre, DropsTheBytesThatBlocksReserve) {
    TReadPage page(
        std::string("<PRE>a\0b\x02"
                    "c\x04"
                    "d\x01</PRE>",
                    18));
    EXPECT_EQ(page.Section(1).Text(), "abcd\x01");
}

TEST(ParsePre, CutsLongLinesIntoPiecesWithoutLosingText) {
    std::string line(1000, 'x');
    TReadPage page("<PRE>" + line + "</PRE>");
    EXPECT_EQ(page.Section(1).Text(), line);
    // Pieces end between characters, so a block that stops growing keeps whole ones.
    std::string wide;
    for (int i = 0; i < 7000; ++i) wide += "\u4E2D";
    TReadPage cjk("<PRE>" + wide + "</PRE>");
    EXPECT_EQ(cjk.Section(1).Text(), wide.substr(0, cjk.Section(1).Text().size()));
    EXPECT_EQ(cjk.Section(1).Text().size() % 3, 0u);
}

TEST(ParsePre, TabsAdvanceToTheNextStopOfEightCharacters) {
    struct TRow {
        const char* Name;
        std::string Html;
        std::string Line;
    };
    for (const TRow& row : {
             TRow{"AfterOneCharacter", "<PRE>a\tb</PRE>", "a       b"},
             TRow{"AtTheLineStart", "<PRE>\tb</PRE>", "        b"},
             TRow{"OnAStop", "<PRE>abcdefgh\tb</PRE>", "abcdefgh        b"},
             TRow{"TwoInARow", "<PRE>ab\t\tc</PRE>", "ab              c"},
             TRow{"ColumnsAreCharacters", "<PRE>\u00E9\u4E2D\tb</PRE>", "\u00E9\u4E2D      b"},
             TRow{"AfterARunChange", "<PRE><B>ab</B>\tc</PRE>", "ab      c"},
             TRow{"AfterAReference", "<PRE>a&amp;\tb</PRE>", "a&      b"},
             TRow{"ReferenceIsOneSpace", "<PRE>a&#9;b</PRE>", "a b"},
             TRow{"OutsidePreIsWhiteSpace", "<P>a\t\tb", "a b"},
         }) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(TReadPage(row.Html).Blocks().back(),
                  std::string(row.Html.starts_with("<PRE>") ? "pre" : "section") + " \"" +
                      row.Line + "\"");
    }
}

}  // namespace
}  // namespace codelume
