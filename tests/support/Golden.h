// Golden files: a whole output compared with a reviewed file under tests/data.
// With CODELUME_UPDATE_GOLDEN=1 in the environment the file is rewritten
// instead, and the change is reviewed as a diff.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace codelume {

::testing::AssertionResult MatchesGoldenFile(const std::string& actual, const std::string& file);

#ifdef CODELUME_SOURCE_DIR
// A file under tests/data (CODELUME_SOURCE_DIR is defined for every test).
inline std::string TestDataPath(const std::string& path) {
    return std::string(CODELUME_SOURCE_DIR) + "/tests/data/" + path;
}

// path is relative to tests/data.
inline ::testing::AssertionResult MatchesGolden(const std::string& actual,
                                                const std::string& path) {
    return MatchesGoldenFile(actual, TestDataPath(path));
}
#endif

}  // namespace codelume
