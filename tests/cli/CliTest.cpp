// Runs the built codelume-cli on real files in a temporary folder.
#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "convert/Conversion.h"
#include "support/FormWriter.h"
#include "support/TempDir.h"
#include "support/TinyDisk.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::Not;
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
    // Runs the program inside the folder, so paths are relative, with input
    // on its standard input.
    TRun Run(const std::vector<std::string>& arguments, const std::string& input = "") {
        return RunTo(Out.File("out"), arguments, input);
    }
    // As Run, with standard output going to output (read back when it is a file).
    TRun RunTo(const std::string& output, const std::vector<std::string>& arguments,
               const std::string& input = "") {
        WriteWholeFile(Out.File("in"), input);
        std::string command = "cd " + Quoted(Dir.Path().string()) + " && " + Quoted(CODELUME_CLI);
        for (const std::string& argument : arguments) command += " " + Quoted(argument);
        command +=
            " >" + Quoted(output) + " 2>" + Quoted(Out.File("err")) + " <" + Quoted(Out.File("in"));
        int status = std::system(command.c_str());
        std::string written = std::filesystem::is_regular_file(output) ? ReadWholeFile(output) : "";
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, written,
                ReadWholeFile(Out.File("err"))};
    }
    // Starts the program inside the folder without waiting for it; its
    // standard error goes to errors.
    pid_t Start(const std::vector<std::string>& arguments, const std::string& errors) {
        std::vector<std::string> words = {CODELUME_CLI};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, Dir.Path().c_str());
        posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT, 0600);
        pid_t child = -1;
        if (posix_spawn(&child, CODELUME_CLI, &actions, nullptr, argv.data(), environ) != 0)
            child = -1;
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }
    // Writes bytes into the named pipe once a reader has opened it, waiting
    // for one at most ten seconds.
    bool FeedPipe(const std::string& name, const std::string& bytes) {
        int pipe = -1;
        for (int wait = 0; wait < 500 && pipe < 0; ++wait) {
            pipe = open(Dir.File(name).c_str(), O_WRONLY | O_NONBLOCK);
            if (pipe < 0) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (pipe < 0) return false;
        fcntl(pipe, F_SETFL, 0);
        bool written =
            write(pipe, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        close(pipe);
        return written;
    }
    // Waits until the folder holds count names, for at most ten seconds.
    bool AwaitFiles(size_t count) {
        for (int wait = 0; wait < 500 && FilesIn(Dir.Path()).size() < count; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return FilesIn(Dir.Path()).size() == count;
    }
    void Write(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(Dir.File(name)).parent_path());
        WriteWholeFile(Dir.File(name), bytes);
    }
    std::string Read(const std::string& name) { return ReadWholeFile(Dir.File(name)); }
    bool Exists(const std::string& name) { return std::filesystem::exists(Dir.File(name)); }
    // The page the library writes for the same source, for comparison.
    std::string LibraryPage(const std::string& name) {
        std::string page = Out.File("library.htm");
        std::filesystem::path here = std::filesystem::current_path();
        std::filesystem::current_path(Dir.Path());
        ConvertToPage(name, page, TOverwrite::owReplace);
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
             TCase{{"--help"}, "convert -r TREE -d DIR [--force] [-j N]"},
             TCase{{"--help"}, "form-text FILE [-o OUT] [--no-header]"},
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
        {"convert", "-r", "tree"},
        {"convert", "-r", "tree", "-d", "site", "a.pas"},
        {"convert", "-", "-"},
        {"convert", "a.pas", "--name", "x.pas"},
        {"convert", "a.pas", "-o", "x.htm", "-d", "out"},
        {"convert", "-j", "0", "a.pas", "b.pas"},
    };
    for (const auto& arguments : wrong) {
        TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(arguments);
        EXPECT_THAT(run.Err, StartsWith("codelume-cli: "));
    }
    EXPECT_FALSE(Exists("a_pas.HTM"));
    EXPECT_FALSE(Exists("x.htm"));
    EXPECT_FALSE(Exists("site"));
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
    std::filesystem::create_directory(Dir.File("adir.pas"));
    TRun run = Run({"convert", "good.pas", "bad.pas", "x.pas", "adir.pas", "also.pas"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              "codelume-cli: bad.pas: Invalid string constant on line 3\n"
              "codelume-cli: Cannot open file x.pas (No such file or directory)\n"
              "codelume-cli: Cannot open file adir.pas (Is a directory)\n");
    EXPECT_EQ(run.Out, "2 of 5 files converted, 3 failed\n");
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

TEST_F(CodelumeCli, ConvertNeverReplacesItsSourceOrAnOccupiedName) {
    Write("a.pas", "begin end.");
    std::filesystem::create_symlink("missing", Dir.File("a_pas.HTM"));
    TRun self = Run({"convert", "a.pas", "-o", "./a.pas", "--force"});
    EXPECT_EQ(self.Status, 1);
    EXPECT_EQ(self.Err, "codelume-cli: Cannot create file ./a.pas (it is the source file)\n");
    TRun dangling = Run({"convert", "a.pas"});
    EXPECT_EQ(dangling.Status, 1);
    EXPECT_EQ(dangling.Err, "codelume-cli: Destination exists: a_pas.HTM (use --force)\n");
    EXPECT_EQ(Read("a.pas"), "begin end.");
    EXPECT_TRUE(std::filesystem::is_symlink(Dir.File("a_pas.HTM")));
    EXPECT_FALSE(Exists("missing"));
}

// A block the layout drops is named on standard error; the rest is written.
TEST_F(CodelumeCli, ADroppedTableIsAWarning) {
    Write("wide.htm", "<P>before<TABLE><TR><TD COLSPAN=100000>x</TABLE><P>after");
    std::vector<std::vector<std::string>> commands = {{"dump", "wide.htm", "--fixed-metrics"}};
#ifdef CODELUME_VIEWER
    commands.push_back({"render", "wide.htm", "-o", "wide.png"});
    commands.push_back({"print", "wide.htm", "-o", "wide.pdf"});
#endif
    for (const auto& arguments : commands) {
        SCOPED_TRACE(arguments[0]);
        TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "codelume-cli: warning: Table has too many Columns\n");
    }
    EXPECT_THAT(Run({"dump", "wide.htm", "--fixed-metrics"}).Out, HasSubstr("after"));
}

// A conversion blocked on a pipe that nobody writes is killed: its temporary
// page goes with it.
TEST_F(CodelumeCli, AKilledConversionLeavesNoTemporaryFile) {
    ASSERT_EQ(mkfifo(Dir.File("fifo.pas").c_str(), 0600), 0);
    pid_t child = Start({"convert", "fifo.pas", "-o", "fifo.htm"}, Out.File("err"));
    ASSERT_GT(child, 0);
    EXPECT_TRUE(AwaitFiles(2));
    kill(child, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
    EXPECT_THAT(FilesIn(Dir.Path()), ElementsAre("fifo.pas"));
}

// Two conversions without --force race for one new page. Long sources keep
// both busy after each found the name free: the first to finish takes it and
// the other fails without replacing it (or, had it come late, finds it taken).
TEST_F(CodelumeCli, OfTwoConversionsToOneNewPageOnlyOneWins) {
    const std::string names[] = {"first.pas", "second.pas"};
    for (const std::string& name : names) {
        std::string text;
        for (int line = 0; line < 100000; ++line)
            text += "begin Writeln('" + name + " " + std::to_string(line) + "') end;\r\n";
        Write(name, text);
    }
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
        children[i] = Start({"convert", names[i], "-o", "page.htm"}, Out.File(names[i] + ".err"));
        ASSERT_GT(children[i], 0);
    }
    std::vector<int> winners;
    for (int i = 0; i < 2; ++i) {
        int status = 0;
        ASSERT_EQ(waitpid(children[i], &status, 0), children[i]);
        ASSERT_TRUE(WIFEXITED(status));
        std::string errors = ReadWholeFile(Out.File(names[i] + ".err"));
        if (WEXITSTATUS(status) == 0) {
            winners.push_back(i);
            EXPECT_EQ(errors, "");
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_THAT(errors,
                    ::testing::AnyOf("codelume-cli: Cannot create file page.htm (File exists)\n",
                                     "codelume-cli: Destination exists: page.htm (use --force)\n"));
    }
    ASSERT_EQ(winners.size(), 1u);
    EXPECT_EQ(Read("page.htm"), LibraryPage(names[winners[0]]));
    EXPECT_THAT(FilesIn(Dir.Path()), ElementsAre("first.pas", "page.htm", "second.pas"));
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

// A named pipe, as a shell's process substitution gives, is read to its end:
// the output is what the same bytes in a file give.
TEST_F(CodelumeCli, ReadsSourcesFromNamedPipes) {
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Tag").Int(7).End().End();
    struct TCase {
        std::string Source;
        std::string Bytes;
        std::vector<std::string> Arguments;
    };
    for (const TCase& row : {
             TCase{"unit.pas",
                   "unit U;\r\ninterface\r\nimplementation\r\nend.\r\n",
                   {"convert", "unit.pas", "-o", "out.htm"}},
             TCase{"Form1.dfm",
                   WrapInResource("TFORM1", form.Data()),
                   {"convert", "Form1.dfm", "-o", "out.htm"}},
             TCase{"Form1.dfm",
                   WrapInResource("TFORM1", form.Data()),
                   {"form-text", "Form1.dfm", "-o", "out.htm"}},
         }) {
        SCOPED_TRACE(row.Arguments[0] + " " + row.Source);
        Write(row.Source, row.Bytes);
        ASSERT_EQ(Run(row.Arguments).Status, 0);
        std::string expected = Read("out.htm");
        std::filesystem::remove(Dir.File("out.htm"));
        std::filesystem::remove(Dir.File(row.Source));
        ASSERT_EQ(mkfifo(Dir.File(row.Source).c_str(), 0600), 0);
        pid_t child = Start(row.Arguments, Out.File("err"));
        ASSERT_GT(child, 0);
        EXPECT_TRUE(FeedPipe(row.Source, row.Bytes));
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << ReadWholeFile(Out.File("err"));
        EXPECT_EQ(Read("out.htm"), expected);
        std::filesystem::remove(Dir.File(row.Source));
        std::filesystem::remove(Dir.File("out.htm"));
    }
}

TEST_F(CodelumeCli, FormTextReportsTheSystemsMessages) {
    Write("x.dfm", "text, not a form");
    TRun bad = Run({"form-text", "x.dfm"});
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(bad.Err, "codelume-cli: Invalid stream format\n");
    TRun missing = Run({"form-text", "none.dfm"});
    EXPECT_EQ(missing.Status, 1);
    EXPECT_EQ(missing.Err, "codelume-cli: Cannot open file none.dfm (No such file or directory)\n");
}

TEST_F(CodelumeCli, StandardInputAndOutputStandInForFiles) {
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Tag").Int(7).End().End();
    std::string binaryForm = WrapInResource("TFORM1", form.Data());
    struct TCase {
        std::vector<std::string> Arguments;
        std::string Input;
        const char* Expected;
    };
    for (const TCase& row : {
             TCase{{"convert", "-", "-o", "-"}, "begin end.", "<TITLE>File: stdin</TITLE>"},
             TCase{{"convert", "-"}, "begin end.", "<B>begin</B> <B>end</B>."},
             TCase{{"convert", "-", "--name", "Main.lfm"},
                   "object F: TF\nend\n",
                   "<B>object</B> F: TF"},
             TCase{{"convert", "-", "--name", "Main.dfm"}, binaryForm, "<H3>MAIN.DFM</H3>"},
             TCase{{"form-text", "-"}, binaryForm, "object Form1: TForm1\r\n  Tag = 7"},
             TCase{{"form-text", "-", "-o", "-", "--no-header"}, form.Data(), "  Tag = 7"},
         }) {
        SCOPED_TRACE(::testing::PrintToString(row.Arguments));
        TRun run = Run(row.Arguments, row.Input);
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Err, "");
        EXPECT_THAT(run.Out, HasSubstr(row.Expected));
    }
    EXPECT_EQ(Run({"convert", "-", "-o", "page.htm"}, "x").Out, "");
    EXPECT_THAT(Read("page.htm"), HasSubstr("<TITLE>File: stdin</TITLE>"));
    EXPECT_EQ(Run({"convert", "-", "-d", "pages", "--name", "U.pas"}, "x").Status, 0);
    EXPECT_THAT(Read("pages/U_pas.HTM"), HasSubstr("<TITLE>File: U.pas</TITLE>"));
    EXPECT_EQ(Run({"form-text", "-", "-o", "form.txt"}, binaryForm).Status, 0);
    EXPECT_THAT(Read("form.txt"), StartsWith("object Form1: TForm1"));
}

TEST_F(CodelumeCli, FolderTakesThePagesOfSeveralSources) {
    Write("a.pas", "x");
    Write("b.dpr", "y");
    TRun run = Run({"convert", "-d", "out/pages", "a.pas", "b.dpr", "-j", "2"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "2 files converted\n");
    EXPECT_EQ(Read("out/pages/a_pas.HTM"), LibraryPage("a.pas"));
    EXPECT_THAT(Read("out/pages/b_dpr.HTM"), HasSubstr("<TITLE>File: b.dpr</TITLE>"));
    EXPECT_FALSE(Exists("a_pas.HTM"));
}

// A page Codelume wrote is written again; a file of the user's needs --force.
TEST_F(CodelumeCli, RunningAgainReplacesOnlyOwnPages) {
    Write("a.pas", "x");
    Write("b.pas", "y");
    ASSERT_EQ(Run({"convert", "a.pas", "b.pas"}).Status, 0);
    Write("a.pas", "begin");
    Write("b_pas.HTM", "notes of mine");
    TRun again = Run({"convert", "a.pas", "b.pas"});
    EXPECT_EQ(again.Status, 1);
    EXPECT_EQ(again.Err, "codelume-cli: Destination exists: b_pas.HTM (use --force)\n");
    EXPECT_THAT(Read("a_pas.HTM"), HasSubstr("<B>begin</B>"));
    EXPECT_EQ(Read("b_pas.HTM"), "notes of mine");
}

class ConvertTree : public CodelumeCli {
protected:
    void SetUp() override {
        Write("rtl/system.pp", "unit system;");
        Write("rtl/inc/heap.inc", "{ heap }");
        Write("rtl/inc/Types.PAS", "type");
        Write("rtl/inc/notes.txt", "not Pascal");
        Write("rtl/unix/deep/Form1.lfm", "object Form1: TForm1\nend\n");
        Write("rtl/a b&c.dpr", "program p;");
    }
};

TEST_F(ConvertTree, KeepsTheFoldersAndListsEveryPageInTheIndex) {
    TRun run = Run({"convert", "-r", "rtl", "-d", "site", "-j", "2"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Err, "");
    EXPECT_EQ(run.Out, "5 files converted\n");
    for (const char* page :
         {"site/system_pp.HTM", "site/inc/heap_inc.HTM", "site/inc/Types_PAS.HTM",
          "site/unix/deep/Form1_lfm.HTM", "site/a b&c_dpr.HTM"})
        EXPECT_TRUE(Exists(page)) << page;
    EXPECT_FALSE(Exists("site/inc/notes_txt.HTM"));
    EXPECT_THAT(Read("site/unix/deep/Form1_lfm.HTM"), HasSubstr("<B>object</B> Form1"));
    std::string index = Read("site/index.html");
    EXPECT_THAT(index, HasSubstr("<TITLE>Index of rtl</TITLE>"));
    EXPECT_THAT(index, HasSubstr("<P>5 files in 3 folders.</P>"));
    // Folders in order, each with its files in order, links escaped.
    EXPECT_THAT(
        index, ::testing::ContainsRegex("<H2><A NAME=\"folder1\">rtl</A></H2>\r\n<UL>\r\n"
                                        "<LI><A HREF=\"a%20b%26c_dpr.HTM\">a b&amp;c.dpr</A>\r\n"
                                        "<LI><A HREF=\"system_pp.HTM\">system.pp</A>\r\n</UL>\r\n"
                                        "<H2><A NAME=\"folder2\">rtl/inc</A></H2>\r\n<UL>\r\n"
                                        "<LI><A HREF=\"inc/Types_PAS.HTM\">Types.PAS</A>\r\n"
                                        "<LI><A HREF=\"inc/heap_inc.HTM\">heap.inc</A>\r\n</UL>\r\n"
                                        "<H2><A NAME=\"folder3\">rtl/unix/deep</A></H2>"));
    EXPECT_THAT(index, HasSubstr("<LI><A HREF=\"#folder3\">rtl/unix/deep</A>"));
    EXPECT_EQ(Run({"convert", "-r", "rtl/", "-d", "site"}).Status, 0);
}

TEST_F(ConvertTree, AFailedFileDoesNotStopTheOthers) {
    Write("rtl/bad.pas", "s := 'open");
    Write("rtl/inc/heap_inc.HTM", "mine");
    TRun run = Run({"convert", "-r", "rtl", "-d", "rtl", "-j", "2"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              "codelume-cli: rtl/bad.pas: Invalid string constant on line 1\n"
              "codelume-cli: Destination exists: rtl/inc/heap_inc.HTM (use --force)\n");
    EXPECT_EQ(run.Out, "4 of 6 files converted, 2 failed\n");
    EXPECT_TRUE(Exists("rtl/unix/deep/Form1_lfm.HTM"));
    EXPECT_THAT(Read("rtl/index.html"), Not(HasSubstr("bad_pas.HTM")));
}

// On a terminal the count of converted files shows how far a batch has come.
TEST_F(ConvertTree, ShowsProgressOnlyOnATerminal) {
    if (std::system("command -v script >/dev/null") != 0) GTEST_SKIP() << "no script(1)";
    std::string command = "cd " + Quoted(Dir.Path().string()) + " && script -qec " +
                          Quoted(Quoted(CODELUME_CLI) + " convert -r rtl -d site -j 1") +
                          " /dev/null >" + Quoted(Out.File("tty"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string terminal = ReadWholeFile(Out.File("tty"));
    EXPECT_THAT(terminal, HasSubstr("1/5"));
    EXPECT_THAT(terminal, HasSubstr("5/5"));
    EXPECT_THAT(terminal, HasSubstr("5 files converted"));
}

#ifdef CODELUME_VIEWER
// Qt's start-up notice about a missing runtime folder, say, is not ours to
// show; and no command needs a display, not even where one is named that
// cannot be reached.
TEST_F(CodelumeCli, ViewerCommandsNeedNoDisplayAndSayNothingButTheirOwnMessages) {
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("QT_QPA_PLATFORM");
    setenv("DISPLAY", ":987", 1);
    Write("p.htm", "<p>x</p>");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"render", "p.htm", "-o", "p.png"},
          std::vector<std::string>{"print", "p.htm", "-o", "p.pdf"},
          std::vector<std::string>{"dump", "p.htm"}}) {
        TRun run = Run(arguments);
        EXPECT_EQ(run.Status, 0) << arguments.front();
        EXPECT_EQ(run.Err, "") << arguments.front();
    }
}

TEST_F(CodelumeCli, RenderWritesTheFormatTheNameAsksFor) {
    Write("p.htm", "<p>x</p>");
    const std::pair<const char*, std::string> rows[] = {
        {"p.png", "\x89PNG"}, {"p.JPG", "\xFF\xD8\xFF"}, {"p.bmp", "BM"}};
    for (const auto& [name, magic] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Run({"render", "p.htm", "-o", name, "--width", "64", "--height", "64"}).Status,
                  0);
        EXPECT_THAT(Read(name), StartsWith(magic));
    }
    for (const char* name : {"p.xyz", "picture"}) {
        TRun run = Run({"render", "p.htm", "-o", name});
        EXPECT_EQ(run.Status, 2) << name;
        EXPECT_THAT(run.Err, HasSubstr("pictures, as the extension of OUT says")) << name;
        EXPECT_FALSE(Exists(name));
    }
}

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

TEST_F(CodelumeCli, PrintNeverFollowsAPlantedSymlink) {
    Write("p.htm", "<p>x</p>");
    Write("victim", "precious");
    std::filesystem::create_symlink("victim", Dir.File("p.pdf.part"));
    EXPECT_EQ(Run({"print", "p.htm", "-o", "p.pdf"}).Status, 0);
    EXPECT_EQ(Read("victim"), "precious");
    EXPECT_THAT(Read("p.pdf"), StartsWith("%PDF-"));
    EXPECT_EQ(Run({"print", "p.htm", "-o", "p.htm"}).Err,
              "codelume-cli: Cannot create file p.htm (it is the source file)\n");
    EXPECT_EQ(Read("p.htm"), "<p>x</p>");
}

#endif

// Every writer on a full disk or past the file size limit: exit status 1, the
// file and the reason named, the old file kept and no temporary file left.
TEST_F(CodelumeCli, AFailingDiskKeepsEveryOldOutput) {
    std::string text;
    for (int line = 0; line < 2000; ++line)
        text += "begin Writeln('line " + std::to_string(line) + "') end;\r\n";
    Write("big.pas", text);
    Write("big.htm", "<pre>" + text + "</pre>");
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Data").Binary(std::string(20000, 'x')).End().End();
    Write("big.dfm", WrapInResource("TFORM1", form.Data()));
    TTinyDisk disk(8);
    struct TFailure {
        const char* Reason;
        std::string Folder;
        rlim_t Limit;
    };
    // Option is -o with the file or -d with the folder.
    struct TWriter {
        std::vector<std::string> Arguments;
        const char* Option;
        const char* Output;
    };
    std::vector<TWriter> writers = {{{"convert", "big.pas", "--force"}, "-o", "out.htm"},
                                    {{"convert", "big.pas", "--force"}, "-d", "big_pas.HTM"},
                                    {{"form-text", "big.dfm", "--force"}, "-o", "out.txt"}};
#ifdef CODELUME_VIEWER
    writers.push_back({{"render", "big.htm"}, "-o", "out.png"});
    writers.push_back({{"print", "big.htm"}, "-o", "out.pdf"});
#endif
    std::vector<TFailure> failures = {{"File too large", Dir.File("limited"), 4096}};
    std::filesystem::create_directory(failures[0].Folder);
    if (disk.Mounted()) failures.push_back({"No space left on device", disk.Path().string(), 0});
    for (const TFailure& failure : failures) {
        for (const TWriter& writer : writers) {
            SCOPED_TRACE(std::string(failure.Reason) + ", " + writer.Arguments[0] + " " +
                         writer.Option);
            std::string output = failure.Folder + "/" + writer.Output;
            WriteWholeFile(output, "old");
            std::vector<std::string> arguments = writer.Arguments;
            bool toFolder = std::string(writer.Option) == "-d";
            arguments.insert(arguments.end(), {writer.Option, toFolder ? failure.Folder : output});
            std::optional<TFileSizeLimit> limit;
            if (failure.Limit != 0) limit.emplace(failure.Limit);
            TRun run = Run(arguments);
            limit.reset();
            EXPECT_EQ(run.Status, 1);
            EXPECT_THAT(run.Err,
                        HasSubstr("Cannot write file " + output + " (" + failure.Reason + ")"));
            EXPECT_EQ(ReadWholeFile(output), "old");
            EXPECT_THAT(FilesIn(failure.Folder), ElementsAre(writer.Output));
            std::filesystem::remove(output);
        }
    }
}

// Standard output that cannot take the output is a failure, not a success,
// reported once.
TEST_F(CodelumeCli, AFullStandardOutputIsAFailure) {
    Write("a.pas", "begin end.");
    Write("p.htm", "<p>x</p>");
    TFormWriter form;
    form.Object("TForm1", "Form1").Prop("Tag").Int(7).End().End();
    Write("f.dfm", WrapInResource("TFORM1", form.Data()));
    const std::vector<std::vector<std::string>> commands = {{"convert", "a.pas", "-o", "-"},
                                                            {"convert", "-", "-o", "-"},
                                                            {"form-text", "f.dfm"},
                                                            {"dump", "p.htm"},
                                                            {"--version"}};
    for (const auto& arguments : commands) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        TRun run = RunTo("/dev/full", arguments, "begin end.");
        EXPECT_EQ(run.Status, 1);
        EXPECT_THAT(run.Err, EndsWith("Cannot write standard output (No space left on device)\n"));
        EXPECT_EQ(std::count(run.Err.begin(), run.Err.end(), '\n'), 1) << run.Err;
    }
}

}  // namespace
}  // namespace codelume
