// The text the whole-process comparisons work on: real Pascal from Debian's
// fpc-source when it is installed, otherwise the generated corpus.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace codelume {

extern const char* const FpcSourceRoot;

struct TCorpus {
    std::string Text;
    std::string Origin;  // what the text was taken from, for the report
};

// At least minimumBytes of Pascal: whole files of fpc-source that accept
// takes, in path order.
TCorpus PascalCorpus(size_t minimumBytes, const std::function<bool(const std::string&)>& accept);

// The first `count` lines of text (all of it when it has fewer).
std::string FirstLines(const std::string& text, int count);

}  // namespace codelume
