// The index page of a converted source tree: every page with a link, grouped
// by folder, in plain HTML that any reader shows as it is meant.
#pragma once

#include <string>
#include <vector>

namespace codelume {

struct TIndexEntry {
    std::string Source;  // the source's path relative to the tree, "linux/system.pp"
    std::string Page;    // the page's path relative to the index, "linux/system_pp.HTM"
};

// entries come grouped by folder (as FindSources sorts them); treeName heads
// the page and the name of each folder.
std::string SiteIndexPage(const std::string& treeName, const std::vector<TIndexEntry>& entries);

}  // namespace codelume
