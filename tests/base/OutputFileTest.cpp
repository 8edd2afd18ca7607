#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>

#include "base/Errors.h"
#include "base/OutputFile.h"
#include "support/TinyDisk.h"

namespace codelume {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

void WriteAndCommit(const std::string& destination, TOverwrite overwrite,
                    const std::string& bytes) {
    TOutputFile file(destination, overwrite);
    file.Stream().WriteString(bytes);
    file.Commit();
}

class OutputFileTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return Dir.File(name); }
    std::vector<std::string> Files() const { return FilesIn(Dir.Path()); }
    TTempDir Dir;
};

TEST_F(OutputFileTest, TheDestinationChangesOnlyAtCommit) {
    std::string page = Path("page.htm");
    WriteWholeFile(page, "old");
    {
        TOutputFile file(page, TOverwrite::owReplace);
        file.Stream().WriteString("new");
        EXPECT_EQ(ReadWholeFile(page), "old");
        ASSERT_EQ(Files().size(), 2u);
        EXPECT_THAT(Files()[0], StartsWith(".codelume-"));
    }
    EXPECT_EQ(ReadWholeFile(page), "old");
    EXPECT_THAT(Files(), ElementsAre("page.htm"));
    WriteAndCommit(page, TOverwrite::owReplace, "new");
    EXPECT_EQ(ReadWholeFile(page), "new");
    EXPECT_THAT(Files(), ElementsAre("page.htm"));
}

// Without overwriting, whatever holds the name at commit wins, even when it
// appeared after the output file was opened (a second writer, a symlink).
TEST_F(OutputFileTest, WithoutOverwritingAnyExistingNameIsKept) {
    struct TRow {
        const char* Name;
        std::function<void(const std::string&)> Occupy;
    };
    const TRow rows[] = {
        {"File", [](const std::string& path) { WriteWholeFile(path, "other"); }},
        {"DanglingSymlink",
         [](const std::string& path) { std::filesystem::create_symlink("missing", path); }},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Name);
        std::string page = Path(std::string(row.Name) + ".htm");
        TOutputFile file(page, TOverwrite::owNever);
        file.Stream().WriteString("mine");
        row.Occupy(page);
        EXPECT_THAT(
            [&] { file.Commit(); },
            ThrowsMessage<EFCreateError>(StrEq("Cannot create file " + page + " (File exists)")));
    }
    EXPECT_THAT(Files(), ElementsAre("DanglingSymlink.htm", "File.htm"));
    EXPECT_EQ(ReadWholeFile(Path("File.htm")), "other");
    EXPECT_EQ(std::filesystem::read_symlink(Path("DanglingSymlink.htm")), "missing");
}

TEST_F(OutputFileTest, ASymlinkedDestinationIsReplacedNotWrittenThrough) {
    std::string victim = Path("victim");
    WriteWholeFile(victim, "precious");
    std::filesystem::create_symlink(victim, Path("page.htm"));
    WriteAndCommit(Path("page.htm"), TOverwrite::owReplace, "page");
    EXPECT_EQ(ReadWholeFile(victim), "precious");
    EXPECT_FALSE(std::filesystem::is_symlink(Path("page.htm")));
    EXPECT_EQ(ReadWholeFile(Path("page.htm")), "page");
}

TEST_F(OutputFileTest, AReplacedFileKeepsItsModeAndANewOneGetsTheUsualMode) {
    std::string kept = Path("kept.htm");
    WriteWholeFile(kept, "old");
    chmod(kept.c_str(), 0640);
    WriteAndCommit(kept, TOverwrite::owReplace, "new");
    WriteAndCommit(Path("new.htm"), TOverwrite::owNever, "new");
    struct stat info;
    ASSERT_EQ(stat(kept.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_EQ(stat(Path("new.htm").c_str(), &info), 0);
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(info.st_mode & 07777, 0666 & ~mask);
}

TEST_F(OutputFileTest, DestinationsThatCannotTakeAFileAreRefusedWithTheReason) {
    const std::pair<std::string, std::string> rows[] = {
        {"", "No such file or directory"},
        {Path("no/folder/x.htm"), "No such file or directory"},
        {Dir.Path().string(), "Is a directory"},
        {"/dev/null", "not a regular file"},
    };
    for (const auto& [destination, reason] : rows) {
        SCOPED_TRACE(destination);
        EXPECT_THAT([&] { TOutputFile file(destination, TOverwrite::owReplace); },
                    ThrowsMessage<EFCreateError>(
                        StrEq("Cannot create file " + destination + " (" + reason + ")")));
    }
    EXPECT_TRUE(Files().empty());
}

// A full disk and a file size limit both fail the write with the system's
// reason; the destination keeps its old bytes and no temporary file remains.
TEST_F(OutputFileTest, AFailingDiskLeavesTheDestinationAsItWas) {
    const std::string big(64 * 1024, 'x');
    TTinyDisk disk(8);
    struct TRow {
        const char* Reason;
        std::string Folder;
        rlim_t Limit;
    };
    std::vector<TRow> rows = {{"File too large", Dir.Path().string(), 4096}};
    if (disk.Mounted()) rows.push_back({"No space left on device", disk.Path().string(), 0});
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.Reason);
        std::string page = row.Folder + "/page.htm";
        WriteWholeFile(page, "old");
        std::optional<TFileSizeLimit> limit;
        if (row.Limit != 0) limit.emplace(row.Limit);
        EXPECT_THAT([&] { WriteAndCommit(page, TOverwrite::owReplace, big); },
                    ThrowsMessage<EWriteError>(
                        StrEq("Cannot write file " + page + " (" + row.Reason + ")")));
        limit.reset();
        EXPECT_EQ(ReadWholeFile(page), "old");
        EXPECT_THAT(FilesIn(row.Folder), ElementsAre("page.htm"));
    }
}

TEST_F(OutputFileTest, SigintAndSigtermRemoveTheTemporaryFile) {
    std::string page = Path("page.htm");
    WriteWholeFile(page, "old");
    for (int signalNumber : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signalNumber);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TOutputFile file(page, TOverwrite::owReplace);
            file.Stream().WriteString("half a page");
            raise(signalNumber);
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber);
        EXPECT_EQ(ReadWholeFile(page), "old");
        EXPECT_THAT(Files(), ElementsAre("page.htm"));
    }
}

TEST(RefuseSourceAsDestination, TheSameFileUnderAnyNameIsRefused) {
    TTempDir dir;
    std::string source = dir.File("a.pas");
    WriteWholeFile(source, "x");
    std::filesystem::create_hard_link(source, dir.File("hard.pas"));
    std::filesystem::create_symlink(source, dir.File("soft.pas"));
    for (const std::string& destination :
         {source, dir.File("./a.pas"), dir.File("hard.pas"), dir.File("soft.pas")}) {
        SCOPED_TRACE(destination);
        EXPECT_THAT([&] { RefuseSourceAsDestination(source, destination); },
                    ThrowsMessage<EFCreateError>(
                        StrEq("Cannot create file " + destination + " (it is the source file)")));
    }
    WriteWholeFile(dir.File("other.htm"), "x");
    for (const std::string& destination : {dir.File("other.htm"), dir.File("new.htm")})
        EXPECT_NO_THROW(RefuseSourceAsDestination(source, destination)) << destination;
    EXPECT_EQ(ReadWholeFile(source), "x");
}

}  // namespace
}  // namespace codelume
