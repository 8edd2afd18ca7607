#include "support/Golden.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "support/TempDir.h"

namespace codelume {

::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const std::string& file) {
    const char* update = std::getenv("CODELUME_UPDATE_GOLDEN");
    if (update != nullptr && std::strcmp(update, "1") == 0) {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        WriteWholeFile(file, actual);
        return ::testing::AssertionSuccess() << "rewrote " << file;
    }
    if (!std::filesystem::exists(file))
        return ::testing::AssertionFailure()
               << file << " is missing (CODELUME_UPDATE_GOLDEN=1 writes it)";
    std::string expected = ReadWholeFile(file);
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    return ::testing::AssertionFailure()
           << "differs from " << file << " at byte " << at << ": expected \""
           << expected.substr(at, 40) << "\", got \"" << actual.substr(at, 40) << "\"";
}

}  // namespace codelume
