#include <gtest/gtest.h>

#include <cstdlib>

#include "SampleForm.h"
#include "formfile/FormFile.h"
#include "support/TempDir.h"

namespace codelume {
namespace {

const std::string SamplePath = CODELUME_SOURCE_DIR "/examples/Sample.dfm";
const std::string GoldenPath = CODELUME_SOURCE_DIR "/tests/data/formfile/Sample.txt";

TEST(SampleForm, CommittedFileMatchesItsGenerator) {
    EXPECT_EQ(ReadWholeFile(SamplePath), SampleFormFile())
        << "run make_sample_form examples/Sample.dfm";
}

// CODELUME_UPDATE_GOLDEN=1 rewrites the expected text for review.
TEST(SampleForm, RendersAsTheGoldenText) {
    TFileStream input(SamplePath, TFileStream::TMode::fmOpenRead);
    TMemoryStream output;
    FormResourceToText(input, output);
    if (std::getenv("CODELUME_UPDATE_GOLDEN") != nullptr) WriteWholeFile(GoldenPath, output.Data());
    EXPECT_EQ(output.Data(), ReadWholeFile(GoldenPath));
    EXPECT_EQ(input.Position(), input.Size());
}

}  // namespace
}  // namespace codelume
