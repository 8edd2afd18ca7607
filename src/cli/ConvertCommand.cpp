// convert SOURCE... [-o DEST] [--force]: each source becomes a page through
// the same workflow as the window's Convert.
#include <optional>

#include "base/Stream.h"
#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "convert/Conversion.h"

namespace codelume {
namespace {

// Converts one source; reports and returns false on failure.
bool ConvertOne(const std::string& source, const std::string& destination, bool force) {
    try {
        if (!force && FileExists(destination))
            throw ECodelumeError("Destination exists: " + destination + " (use --force)");
        ConvertToPage(source, destination);
        return true;
    } catch (const std::exception& error) {
        ReportError(error.what());
        return false;
    }
}

}  // namespace

int ConvertCommand(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue}, {"--force", TOptionKind::okFlag}});
    const auto& sources = parsed.Positionals();
    std::optional<std::string> destination = parsed.Value("-o");
    if (sources.empty()) throw EUsageError("convert needs at least one source");
    if (destination && sources.size() > 1)
        throw EUsageError("-o names the destination of a single source");
    bool allConverted = true;
    for (const std::string& source : sources) {
        if (!ConvertOne(source, destination.value_or(ProposedDestination(source)),
                        parsed.Has("--force")))
            allConverted = false;
    }
    return allConverted ? 0 : 1;
}

}  // namespace codelume
