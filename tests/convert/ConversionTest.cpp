#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "convert/Conversion.h"
#include "convert/NewParser.h"
#include "support/FormWriter.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using namespace std::string_literals;

struct TNameCase {
    const char* Name;
    std::string Path;
    std::string Extension;
    std::string FileName;
    std::string Destination;
};

class FileNameRules : public ::testing::TestWithParam<TNameCase> {};

TEST_P(FileNameRules, SplitAndRename) {
    const TNameCase& row = GetParam();
    EXPECT_EQ(ExtractFileExt(row.Path), row.Extension);
    EXPECT_EQ(ExtractFileName(row.Path), row.FileName);
    EXPECT_EQ(ProposedDestination(row.Path), row.Destination);
}

std::string RowName(const ::testing::TestParamInfo<TNameCase>& info) { return info.param.Name; }

INSTANTIATE_TEST_SUITE_P(
    Paths, FileNameRules,
    ::testing::Values(
        TNameCase{"WindowsUnit", "C:\\Src\\Unit1.pas", ".pas", "Unit1.pas",
                  "C:\\Src\\Unit1_pas.HTM"},
        TNameCase{"Project", "Project1.dpr", ".dpr", "Project1.dpr", "Project1_dpr.HTM"},
        TNameCase{"Form", "Form1.dfm", ".dfm", "Form1.dfm", "Form1_dfm.HTM"},
        TNameCase{"LongExtension", "Page.html", ".html", "Page.html", "Page_htm.HTM"},
        TNameCase{"NoExtension", "C:\\Src\\README", "", "README", "C:\\Src\\README_.HTM"},
        TNameCase{"DotInAFolder", "src/my.dir/README", "", "README", "src/my.dir/README_.HTM"},
        TNameCase{"DotBeforeAColon", "a.b:c", "", "c", "a.b:c_.HTM"},
        TNameCase{"TrailingDot", "x.", ".", "x.", "x_.HTM"},
        TNameCase{"ShortExtension", "a/b.p", ".p", "b.p", "a/b_p.HTM"},
        TNameCase{"UpperCase", "UNIT1.PAS", ".PAS", "UNIT1.PAS", "UNIT1_PAS.HTM"},
        TNameCase{"Empty", "", "", "", "_.HTM"}),
    RowName);

TEST(ChangeFileExt, ReplacesOrAppends) {
    EXPECT_EQ(ChangeFileExt("a/b.pas", ".htm"), "a/b.htm");
    EXPECT_EQ(ChangeFileExt("a.d/b", ".htm"), "a.d/b.htm");
    EXPECT_EQ(ChangeFileExt("a\\b.c.d", ""), "a\\b.c");
}

struct TKindCase {
    const char* Name;
    std::string Path;
    std::string Data;
    TSourceKind Kind;
};

TEST(SourceKindOf, BinaryFormsByTheirBytesTextFormsByTheirName) {
    const TKindCase rows[] = {
        {"ResourceHeader", "x/Form1.dfm", "\xFF\x0A\x00TFORM1\0"s, TSourceKind::skFormResource},
        {"UpperCaseName", "FORM1.DFM", "\xFF\x0A\x00TFORM1\0"s, TSourceKind::skFormResource},
        {"AnyName", "form.bin", "\xFF\x0A\x00"s, TSourceKind::skFormResource},
        {"BareStream", "Form1.pas", "TPF0\x06TForm1", TSourceKind::skFormStream},
        {"OtherResourceType", "a.dfm", "\xFF\x0B\x00", TSourceKind::skFormText},
        {"TextDfm", "Form1.dfm", "object Form1: TForm1", TSourceKind::skFormText},
        {"Lazarus", "a/b/Main.LFM", "object Main: TMain", TSourceKind::skFormText},
        {"Kylix", "a.xfm", "", TSourceKind::skFormText},
        {"FireMonkey", "a.Fmx", "object", TSourceKind::skFormText},
        {"Unit", "Unit1.pas", "unit Unit1;", TSourceKind::skPascal},
        {"FormExtensionInAFolder", "a.dfm/b", "object", TSourceKind::skPascal},
        {"LongerExtension", "Form1.dfmx", "object", TSourceKind::skPascal},
    };
    for (const TKindCase& row : rows) {
        SCOPED_TRACE(row.Name);
        TMemoryStream data("skip" + row.Data);
        data.SetPosition(4);
        EXPECT_EQ(SourceKindOf(row.Path, data), row.Kind);
        EXPECT_EQ(data.Position(), 4);
    }
}

TEST(FooterCredit, NamesTheMaker) {
    EXPECT_THAT(FooterCredit(), HasSubstr(MakerName));
    EXPECT_THAT(FooterCredit(), HasSubstr(MakerAddress));
}

class ConvertToPageTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        WriteWholeFile(Dir.File(name), bytes);
        return Dir.File(name);
    }
    std::vector<std::string> Files() const { return FilesIn(Dir.Path()); }
    TTempDir Dir;
};

TEST_F(ConvertToPageTest, WritesTheCompletePage) {
    std::string source = Write("Unit1.pas", "unit Unit1;\r\n");
    ConvertToPage(source, ProposedDestination(source), TOverwrite::owReplace);
    std::string page = ReadWholeFile(Dir.File("Unit1_pas.HTM"));
    EXPECT_THAT(page, StartsWith("<HTML><HEAD>\r\n<TITLE>File: Unit1.pas</TITLE>"));
    EXPECT_THAT(page, HasSubstr("<PRE>\r\n<B>unit</B> Unit1;</PRE>"));
    EXPECT_THAT(page, HasSubstr("<P>\r\n" + FooterCredit() + "</CENTER>"));
    EXPECT_EQ(Files(), (std::vector<std::string>{"Unit1.pas", "Unit1_pas.HTM"}));
}

TEST_F(ConvertToPageTest, ReplacesAnExistingPage) {
    std::string source = Write("a.pas", "x");
    std::string page = Write("a.htm", "old");
    ConvertToPage(source, page, TOverwrite::owReplace);
    EXPECT_THAT(ReadWholeFile(page), HasSubstr("<PRE>\r\nx</PRE>"));
}

TEST_F(ConvertToPageTest, AFailureLeavesTheDestinationAsItWas) {
    std::string bad = Write("bad.pas", "x\n'open");
    std::string page = Write("bad.htm", "previous");
    EXPECT_THAT([&] { ConvertToPage(bad, page, TOverwrite::owReplace); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 2")));
    EXPECT_EQ(ReadWholeFile(page), "previous");
    EXPECT_THAT([&] { ConvertToPage(bad, Dir.File("new.htm"), TOverwrite::owReplace); },
                ThrowsMessage<EParserError>(StrEq("Invalid string constant on line 2")));
    EXPECT_EQ(Files(), (std::vector<std::string>{"bad.htm", "bad.pas"}));
}

TEST_F(ConvertToPageTest, AMissingSourceCannotBeOpened) {
    std::string missing = Dir.File("missing.pas");
    EXPECT_THAT([&] { ConvertToPage(missing, Dir.File("m.htm"), TOverwrite::owReplace); },
                ThrowsMessage<EFOpenError>(
                    StrEq("Cannot open file " + missing + " (No such file or directory)")));
    EXPECT_THAT(
        [&] { ConvertToPage(Dir.Path().string(), Dir.File("m.htm"), TOverwrite::owReplace); },
        ThrowsMessage<EFOpenError>(
            StrEq("Cannot open file " + Dir.Path().string() + " (Is a directory)")));
    EXPECT_TRUE(Files().empty());
}

TEST_F(ConvertToPageTest, TheDestinationIsCreatedBeforeTheSourceIsOpened) {
    std::string missing = Dir.File("missing.pas");
    std::string unwritable = Dir.File("no/such/folder/x.htm");
    EXPECT_THAT([&] { ConvertToPage(missing, unwritable, TOverwrite::owReplace); },
                ThrowsMessage<EFCreateError>(
                    StrEq("Cannot create file " + unwritable + " (No such file or directory)")));
    EXPECT_THAT([&] { ConvertToPage(missing, Dir.Path().string(), TOverwrite::owReplace); },
                ThrowsMessage<EFCreateError>(
                    StrEq("Cannot create file " + Dir.Path().string() + " (Is a directory)")));
}

TEST_F(ConvertToPageTest, TheSourceIsNeverReplacedByItsPage) {
    std::string source = Write("a.pas", "begin end.");
    EXPECT_THAT([&] { ConvertToPage(source, source, TOverwrite::owReplace); },
                ThrowsMessage<EFCreateError>(
                    StrEq("Cannot create file " + source + " (it is the source file)")));
    EXPECT_EQ(ReadWholeFile(source), "begin end.");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.pas"}));
}

TEST_F(ConvertToPageTest, EveryKindOfFormIsHighlighted) {
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Caption").String("Hello").End().End();
    const std::string text = "object Form1: TForm1\r\n  Caption = 'Hello'\r\nend";
    const std::pair<std::string, std::string> rows[] = {
        {"Form1.dfm", WrapInResource("TFORM1", form.Data())},
        {"FORM1.DFM", WrapInResource("TFORM1", form.Data())},
        {"Bare.dfm", form.Data()},
        {"Text.dfm", text + "\r\n"},
        {"Main.lfm", text},
    };
    for (const auto& [name, bytes] : rows) {
        SCOPED_TRACE(name);
        ConvertToPage(Write(name, bytes), Dir.File("page.htm"), TOverwrite::owReplace);
        EXPECT_THAT(ReadWholeFile(Dir.File("page.htm")),
                    HasSubstr("<PRE>\r\n<B>object</B> Form1: TForm1\r\n  Caption = "
                              "'Hello'\r\n<B>end</B></PRE>"));
    }
}

TEST_F(ConvertToPageTest, ABrokenFormFileLeavesNoPage) {
    std::string source = Write("Form1.dfm", "\xFF\x0A\x00X\0\x30\x10\x04\0\0\0TPF1"s);
    EXPECT_THAT([&] { ConvertToPage(source, Dir.File("f.htm"), TOverwrite::owReplace); },
                ThrowsMessage<ECodelumeError>(StrEq("Invalid stream format")));
    EXPECT_EQ(Files(), (std::vector<std::string>{"Form1.dfm"}));
}

}  // namespace
}  // namespace codelume
