#include <gtest/gtest.h>

#include <filesystem>

#include "base/Errors.h"
#include "base/Stream.h"

namespace codelume {
namespace {

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

TEST(FileStream, MissingFilesGiveTheUsersMessages) {
    try {
        TFileStream stream("/nonexistent/x.pas", TFileStream::TMode::fmOpenRead);
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_STREQ(error.what(), "Cannot open file /nonexistent/x.pas");
    }
    try {
        TFileStream stream("", TFileStream::TMode::fmCreate);
        FAIL();
    } catch (const EFCreateError& error) {
        EXPECT_STREQ(error.what(), "Cannot create file ");
    }
}

TEST(FileStream, CreateTruncatesAndRoundTrips) {
    auto path = std::filesystem::temp_directory_path() / "codelume_stream_test.bin";
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
