#include "app/StartArguments.h"

#include <algorithm>
#include <filesystem>

namespace codelume {

const char* const StartUsage =
    "Usage: codelume [FILE]\n"
    "\n"
    "Converts Pascal sources and form files into highlighted HTML pages, shows\n"
    "and prints them. FILE is chosen as the source, with the page's name proposed\n"
    "beside it, as Select Pascal Source does.\n"
    "\n"
    "  --help      Show this help.\n"
    "  --version   Show the version.\n"
    "\n"
    "Qt's options, such as -platform and -style, are understood as well.\n";

namespace {

using TArgumentIterator = std::vector<std::string>::const_iterator;

TArgumentIterator OptionsEnd(const std::vector<std::string>& arguments) {
    return std::find(arguments.begin(), arguments.end(), "--");
}

bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

}  // namespace

std::optional<std::string> StartInformation(const std::vector<std::string>& arguments) {
    for (auto it = arguments.begin(); it != OptionsEnd(arguments); ++it) {
        if (*it == "--help") return StartUsage;
        if (*it == "--version") return std::string("codelume ") + CODELUME_VERSION + "\n";
    }
    return std::nullopt;
}

std::optional<std::string> StartSource(const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    auto optionsEnd = OptionsEnd(arguments);
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (it == optionsEnd) continue;
        if (it < optionsEnd && IsOption(*it)) throw EStartUsage("unknown option " + *it);
        if (it->empty()) throw EStartUsage("the file name is empty");
        files.push_back(*it);
    }
    if (files.size() > 1) throw EStartUsage("only one file can be opened");
    if (files.empty()) return std::nullopt;
    return std::filesystem::absolute(files.front()).lexically_normal().string();
}

}  // namespace codelume
