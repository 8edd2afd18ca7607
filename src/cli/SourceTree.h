// The Pascal and form files of a source tree, chosen by their extension.
#pragma once

#include <string>
#include <vector>

namespace codelume {

struct TSourceTree {
    // Paths relative to the tree, grouped by folder: sorted by folder, then
    // by name within it.
    std::vector<std::string> Files;
    // "Cannot open folder X (reason)" for each folder that could not be read.
    std::vector<std::string> Problems;
};

// .pas .pp .inc .dpr .lpr .dpk .dfm .lfm .xfm .fmx, in any letter case.
bool IsSourceFileName(const std::string& name);

// Every source file under tree, in its subfolders too; folders reached
// through symbolic links are not entered, so a link cannot make a loop.
// Raises "Cannot open folder TREE (reason)" when tree itself cannot be read.
TSourceTree FindSources(const std::string& tree);

}  // namespace codelume
