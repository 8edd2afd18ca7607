#include <gmock/gmock.h>

#include <filesystem>
#include <functional>

#include "base/Errors.h"
#include "base/Stream.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(MemoryStream, WritesReadsAndSeeks) {
    TMemoryStream stream;
    stream.WriteString("hello world");
    EXPECT_EQ(stream.Size(), 11);
    stream.SetPosition(6);
    char buffer[16] = {};
    EXPECT_EQ(stream.Read(buffer, 16), 5);
    EXPECT_STREQ(buffer, "world");
    EXPECT_EQ(stream.Read(buffer, 16), 0);
    EXPECT_EQ(stream.Seek(-5, TSeekOrigin::soEnd), 6);
    stream.WriteString("there!");
    EXPECT_EQ(stream.Data(), "hello there!");
}

TEST(MemoryStream, ShortReadBufferIsAReadError) {
    TMemoryStream stream(std::string("abc"));
    char buffer[4];
    EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);
}

// Every failure of a file stream raises the user's message; none is a quiet result.
TEST(FileStream, FailuresRaiseTheUsersMessages) {
    TTempDir dir;
    std::string path = dir.File("three.bin");
    WriteWholeFile(path, "abc");
    TFileStream three(path, TFileStream::TMode::fmOpenRead);
    struct TRow {
        const char* Name;
        std::function<void()> Act;
        const char* Message;
    };
    for (const TRow& row : {
             TRow{"OpenMissing",
                  [] { TFileStream("/nonexistent/x.pas", TFileStream::TMode::fmOpenRead); },
                  "Cannot open file /nonexistent/x.pas (No such file or directory)"},
             TRow{"CreateNoName", [] { TFileStream("", TFileStream::TMode::fmCreate); },
                  "Cannot create file "},
             TRow{"SeekBeforeTheStart", [&] { three.Seek(-1, TSeekOrigin::soBeginning); },
                  "Stream seek error"},
             TRow{"SeekBackPastTheStart", [&] { three.Seek(-4, TSeekOrigin::soEnd); },
                  "Stream seek error"},
         }) {
        SCOPED_TRACE(row.Name);
        EXPECT_THAT(row.Act, ThrowsMessage<EStreamError>(StrEq(row.Message)));
    }
    EXPECT_EQ(three.Position(), 0);
}

TEST(FileStream, CreateTruncatesAndRoundTrips) {
    TTempDir dir;
    std::filesystem::path path = dir.File("stream.bin");
    {
        TFileStream out(path.string(), TFileStream::TMode::fmCreate);
        out.WriteString("old content that is long");
    }
    {
        TFileStream out(path.string(), TFileStream::TMode::fmCreate);
        out.WriteString("new");
        out.Close();
    }
    EXPECT_TRUE(FileExists(path.string()));
    TFileStream in(path.string(), TFileStream::TMode::fmOpenRead);
    EXPECT_EQ(in.Size(), 3);
    std::filesystem::remove(path);
    EXPECT_FALSE(FileExists(path.string()));
}

}  // namespace
}  // namespace codelume
