// Runs the built codelume-cli on real files in a temporary folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/Conversion.h"
#include "support/FormWriter.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct TRun {
    int Status;
    std::string Out;
    std::string Err;
};

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

class CodelumeCli : public ::testing::Test {
protected:
    // Runs the program inside the folder, so paths are relative.
    TRun Run(const std::vector<std::string>& arguments) {
        std::string command = "cd " + Quoted(Dir.Path().string()) + " && " + Quoted(CODELUME_CLI);
        for (const std::string& argument : arguments) command += " " + Quoted(argument);
        command += " >" + Quoted(Out.File("out")) + " 2>" + Quoted(Out.File("err")) + " </dev/null";
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(Out.File("out")),
                ReadWholeFile(Out.File("err"))};
    }
    void Write(const std::string& name, const std::string& bytes) {
        WriteWholeFile(Dir.File(name), bytes);
    }
    std::string Read(const std::string& name) { return ReadWholeFile(Dir.File(name)); }
    bool Exists(const std::string& name) { return std::filesystem::exists(Dir.File(name)); }
    // The page the library writes for the same source, for comparison.
    std::string LibraryPage(const std::string& name) {
        std::string page = Out.File("library.htm");
        std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(Dir.Path());
        ConvertToPage(name, page);
        std::filesystem::current_path(here);
        return ReadWholeFile(page);
    }

    TTempDir Dir;
    TTempDir Out;
};

TEST_F(CodelumeCli, HelpAndVersionAnswerOnStandardOutput) {
    struct TCase {
        std::vector<std::string> Arguments;
        const char* Expected;
    };
    for (const TCase& row : {
             TCase{{"--help"}, "convert SOURCE... [-o DEST] [--force]"},
             TCase{{"--help"}, "form-text FILE [--no-header]"},
             TCase{{"--version"}, "codelume-cli " CODELUME_VERSION "\n"},
             TCase{{"convert", "--help"}, "Usage: codelume-cli convert SOURCE..."},
             TCase{{"form-text", "x.dfm", "--help"}, "Usage: codelume-cli form-text FILE"},
             TCase{{"dump", "--width", "5", "--help"}, "Usage: codelume-cli dump FILE"},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.Arguments));
        TRun run = Run(row.Arguments);
        EXPECT_EQ(run.Status, 0);
        EXPECT_THAT(run.Out, HasSubstr(row.Expected));
        EXPECT_EQ(run.Err, "");
    }
}

TEST_F(CodelumeCli, WrongUsageExitsWithTwo) {
    Write("a.pas", "x");
    Write("b.pas", "y");
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate"},
        {"convert"},
        {"convert", "a.pas", "--fast"},
        {"convert", "a.pas", "-o"},
        {"convert", "a.pas", "b.pas", "-o", "x.htm"},
        {"form-text"},
        {"form-text", "a", "b"},
    };
    for (const auto& arguments : wrong) {
        TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(arguments);
        EXPECT_THAT(run.Err, StartsWith("codelume-cli: "));
    }
    EXPECT_FALSE(Exists("a_pas.HTM"));
    EXPECT_FALSE(Exists("x.htm"));
}

TEST_F(CodelumeCli, ConvertWritesTheProposedPage) {
    Write("Unit1.pas", "unit Unit1;\r\ninterface\r\nend.\r\n");
    TRun run = Run({"convert", "Unit1.pas"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(Read("Unit1_pas.HTM"), LibraryPage("Unit1.pas"));
    EXPECT_THAT(Read("Unit1_pas.HTM"), HasSubstr("<TITLE>File: Unit1.pas</TITLE>"));
}

TEST_F(CodelumeCli, ConvertWritesTheNamedPage) {
    Write("a.pas", "begin end.");
    EXPECT_EQ(Run({"convert", "-o", "page.html", "a.pas"}).Status, 0);
    EXPECT_THAT(Read("page.html"), HasSubstr("<PRE>\r\n<B>begin</B> <B>end</B>.</PRE>"));
    EXPECT_FALSE(Exists("a_pas.HTM"));
}

TEST_F(CodelumeCli, AnExistingPageIsKeptWithoutForce) {
    Write("a.pas", "x");
    Write("a_pas.HTM", "mine");
    TRun run = Run({"convert", "a.pas"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err, "codelume-cli: Destination exists: a_pas.HTM (use --force)\n");
    EXPECT_EQ(Read("a_pas.HTM"), "mine");
    EXPECT_EQ(Run({"convert", "--force", "a.pas"}).Status, 0);
    EXPECT_THAT(Read("a_pas.HTM"), HasSubstr("<PRE>\r\nx</PRE>"));
}

TEST_F(CodelumeCli, EveryGoodSourceIsConvertedWhenOthersFail) {
    Write("good.pas", "x");
    Write("bad.pas", "a\r\nb\r\n  s := 'open;\r\n");
    Write("also.pas", "y");
    TRun run = Run({"convert", "good.pas", "bad.pas", "x.pas", "also.pas"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              "codelume-cli: Invalid string constant on line 3\n"
              "codelume-cli: Cannot open file x.pas\n");
    EXPECT_TRUE(Exists("good_pas.HTM"));
    EXPECT_TRUE(Exists("also_pas.HTM"));
    EXPECT_FALSE(Exists("bad_pas.HTM"));
    EXPECT_FALSE(Exists("x_pas.HTM"));
}

TEST_F(CodelumeCli, AFailureLeavesAForcedPageAsItWas) {
    Write("bad.pas", "{ fine }\r\n'open");
    Write("bad_pas.HTM", "previous");
    EXPECT_EQ(Run({"convert", "--force", "bad.pas"}).Status, 1);
    EXPECT_EQ(Read("bad_pas.HTM"), "previous");
}

TEST_F(CodelumeCli, TextAndBinaryFormsConvertAsInTheWindow) {
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Caption").String("Hi").End().End();
    const std::pair<std::string, std::string> rows[] = {
        {"Form1.dfm", WrapInResource("TFORM1", form.Data())},
        {"FORM2.DFM", WrapInResource("TFORM1", form.Data())},
        {"Main.lfm", "object Form1: TForm1\n  Caption = 'Hi'\nend\n"},
    };
    for (const auto& [name, bytes] : rows) {
        SCOPED_TRACE(name);
        Write(name, bytes);
        EXPECT_EQ(Run({"convert", name}).Status, 0);
        std::string page = ProposedDestination(name);
        EXPECT_THAT(Read(page), HasSubstr("<PRE>\r\n<B>object</B> Form1: TForm1\r\n  Caption = "
                                          "'Hi'\r\n<B>end</B></PRE>"));
        EXPECT_EQ(Read(page), LibraryPage(name));
    }
}

TEST_F(CodelumeCli, FormTextWritesTheRendering) {
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Tag").Int(7).End().End();
    Write("Form1.dfm", WrapInResource("TFORM1", form.Data()));
    Write("bare.bin", form.Data());
    TRun run = Run({"form-text", "Form1.dfm"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_THAT(run.Out, StartsWith("object Form1: TForm1\r\n  Tag = 7\r\nend"));
    TRun bare = Run({"form-text", "bare.bin", "--no-header"});
    EXPECT_EQ(bare.Status, 0);
    EXPECT_EQ(bare.Out, run.Out);
}

TEST_F(CodelumeCli, FormTextReportsTheSystemsMessages) {
    Write("x.dfm", "text, not a form");
    TRun bad = Run({"form-text", "x.dfm"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, "codelume-cli: Invalid stream format\n");
    TRun missing = Run({"form-text", "none.dfm"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "codelume-cli: Cannot open file none.dfm\n");
}

#ifdef CODELUME_VIEWER
TEST_F(CodelumeCli, PictureAndPrintNumbersAreCheckedWhole) {
    Write("p.htm", "<p>x</p>");
    const std::vector<std::pair<std::vector<std::string>, std::string>> wrong = {
        {{"render", "p.htm", "-o", "p.png", "--width", "15"},
         "--width needs a number from 16 to 16384"},
        {{"render", "p.htm", "-o", "p.png", "--scroll", "-1"},
         "--scroll needs a number from 0 to 2147483647"},
        {{"print", "p.htm", "-o", "p.pdf", "--dpi", "600dpi"},
         "--dpi needs a number from 72 to 2400"},
        {{"print", "p.htm", "-o", "p.pdf", "--last", "99999999999"},
         "--last needs a number from 1 to 2147483647"},
    };
    for (const auto& [arguments, message] : wrong) {
        TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 2) << message;
        EXPECT_EQ(run.Err, "codelume-cli: " + message + "\n");
    }
    EXPECT_FALSE(Exists("p.png"));
    EXPECT_FALSE(Exists("p.pdf"));
}
#endif

}  // namespace
}  // namespace codelume
