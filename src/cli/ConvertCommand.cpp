// convert: sources become pages through the same workflow as the window's
// Convert. One source, several (-d DIR), standard input ("-") or a whole tree
// (-r TREE -d DIR, with an index page); batches run on every processor.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "base/Stream.h"
#include "cli/Arguments.h"
#include "cli/Batch.h"
#include "cli/Commands.h"
#include "cli/SiteIndex.h"
#include "cli/SourceTree.h"
#include "cli/StandardStreams.h"
#include "convert/Conversion.h"

namespace codelume {
namespace {

namespace fs = std::filesystem;

// Enough for any machine's processors; each worker holds one page in memory.
constexpr int32_t MaxWorkers = 64;

struct TConvertOptions {
    std::vector<std::string> Sources;
    std::optional<std::string> Output;  // -o
    std::optional<std::string> Folder;  // -d
    std::optional<std::string> Tree;    // -r
    std::string StdinName = "stdin";    // --name
    bool Force = false;
    int32_t Workers = 1;
};

struct TConvertJob {
    std::string Source;       // "-" for standard input
    std::string Destination;  // "-" for standard output
    std::string Name;         // the source's name on the page
};

void CheckCombinations(const TArguments& parsed, const TConvertOptions& options) {
    auto stdinCount = std::count(options.Sources.begin(), options.Sources.end(), StandardStream);
    if (options.Tree && (!options.Folder || !options.Sources.empty() || options.Output))
        throw EUsageError("-r TREE needs -d DIR and takes no other source");
    if (!options.Tree && options.Sources.empty())
        throw EUsageError("convert needs at least one source");
    if (options.Output && options.Folder) throw EUsageError("-o and -d cannot go together");
    if (options.Output && options.Sources.size() > 1)
        throw EUsageError("-o names the destination of a single source");
    if (stdinCount > 1) throw EUsageError("standard input (-) can be read only once");
    if (parsed.Value("--name") && stdinCount == 0)
        throw EUsageError("--name names the page of standard input (-)");
}

TConvertOptions ReadOptions(TCommandArguments arguments) {
    TArguments parsed(arguments, {{"-o", TOptionKind::okValue},
                                  {"-d", TOptionKind::okValue},
                                  {"-r", TOptionKind::okValue},
                                  {"-j", TOptionKind::okValue},
                                  {"--name", TOptionKind::okValue},
                                  {"--force", TOptionKind::okFlag}});
    TConvertOptions options;
    options.Sources = parsed.Positionals();
    options.Output = parsed.Value("-o");
    options.Folder = parsed.Value("-d");
    options.Tree = parsed.Value("-r");
    options.StdinName = parsed.Value("--name").value_or(options.StdinName);
    options.Force = parsed.Has("--force");
    options.Workers =
        parsed.Number("-j", std::min(AvailableProcessors(), MaxWorkers), 1, MaxWorkers);
    CheckCombinations(parsed, options);
    return options;
}

TConvertJob JobFor(const std::string& source, const TConvertOptions& options) {
    bool fromStdin = source == StandardStream;
    std::string name = fromStdin ? options.StdinName : source;
    std::string destination = fromStdin ? std::string(StandardStream) : ProposedDestination(source);
    if (options.Output)
        destination = *options.Output;
    else if (options.Folder)
        destination =
            (fs::path(*options.Folder) / ExtractFileName(ProposedDestination(name))).string();
    return TConvertJob{source, destination, name};
}

// A page Codelume wrote may be written again; anything else, a dangling
// symbolic link included, needs --force. Returns how the page may be put in
// place: a name that is taken meanwhile is kept.
TOverwrite CheckDestinationFree(const std::string& destination, bool force) {
    if (force || IsGeneratedPage(destination)) return TOverwrite::owReplace;
    if (PathTaken(destination))
        throw ECodelumeError("Destination exists: " + destination + " (use --force)");
    return TOverwrite::owNever;
}

void ConvertJob(const TConvertJob& job, TOverwrite overwrite) {
    if (job.Destination == StandardStream) {
        TMemoryStream page;
        if (job.Source == StandardStream) {
            TMemoryStream input(ReadStandardInput());
            ConvertStream(input, page, job.Name);
        } else {
            ConvertFile(job.Source, page);
        }
        WriteStandardOutput(page.Data());
        return;
    }
    if (job.Source == StandardStream) {
        TMemoryStream input(ReadStandardInput());
        ConvertStreamToPage(input, job.Name, job.Destination, overwrite);
    } else {
        ConvertToPage(job.Source, job.Destination, overwrite);
    }
}

// Errors of opening and creating files name their file; any other error,
// such as the tokenizer's, gets the source's name in front.
void RunJob(const TConvertJob& job, bool force) {
    TOverwrite overwrite = TOverwrite::owReplace;
    if (job.Destination != StandardStream) overwrite = CheckDestinationFree(job.Destination, force);
    try {
        ConvertJob(job, overwrite);
    } catch (const EFOpenError&) {
        throw;
    } catch (const EFCreateError&) {
        throw;
    } catch (const std::exception& error) {
        throw ECodelumeError(job.Name + ": " + error.what());
    }
}

// Converts every job, several at a time; returns whether each succeeded.
std::vector<bool> RunJobs(const std::vector<TConvertJob>& jobs, const TConvertOptions& options) {
    if (jobs.size() == 1) {
        try {
            RunJob(jobs.front(), options.Force);
            return {true};
        } catch (const std::exception& error) {
            ReportError(error.what());
            return {false};
        }
    }
    return RunBatch(static_cast<int32_t>(jobs.size()), options.Workers, [&](int32_t index) {
        RunJob(jobs[static_cast<size_t>(index)], options.Force);
    });
}

int32_t CountSucceeded(const std::vector<bool>& succeeded) {
    return static_cast<int32_t>(std::count(succeeded.begin(), succeeded.end(), true));
}

void PrintSummary(int32_t converted, int32_t total) {
    if (converted == total)
        std::printf("%d files converted\n", total);
    else
        std::printf("%d of %d files converted, %d failed\n", converted, total, total - converted);
}

// The tree's pages keep its folders; folders are made as the pages need them.
std::vector<TConvertJob> TreeJobs(const TConvertOptions& options,
                                  const std::vector<std::string>& files) {
    std::vector<TConvertJob> jobs;
    for (const std::string& file : files) {
        std::string source = (fs::path(*options.Tree) / file).string();
        fs::path page = fs::path(*options.Folder) / ProposedDestination(file);
        jobs.push_back(TConvertJob{source, page.string(), source});
    }
    return jobs;
}

void MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (!folder.empty()) fs::create_directories(folder, error);
    if (error)
        throw ECodelumeError("Cannot create folder " + folder.string() + " (" + error.message() +
                             ")");
}

void MakeFolderFor(const std::string& destination) {
    MakeFolder(fs::path(destination).parent_path());
}

std::string TreeName(const std::string& tree) {
    fs::path root = fs::absolute(tree).lexically_normal();
    if (!root.has_filename()) root = root.parent_path();
    return root.filename().string();
}

void WriteIndex(const TConvertOptions& options, const std::vector<std::string>& files,
                const std::vector<bool>& succeeded) {
    std::vector<TIndexEntry> entries;
    for (size_t i = 0; i < files.size(); ++i)
        if (succeeded[i]) entries.push_back(TIndexEntry{files[i], ProposedDestination(files[i])});
    std::string index = (fs::path(*options.Folder) / "index.html").string();
    MakeFolderFor(index);
    TOverwrite overwrite = CheckDestinationFree(index, options.Force);
    WritePageFile(index, SiteIndexPage(TreeName(*options.Tree), entries), overwrite);
}

int ConvertTree(const TConvertOptions& options) {
    TSourceTree tree = FindSources(*options.Tree);
    for (const std::string& problem : tree.Problems) ReportError(problem);
    std::vector<TConvertJob> jobs = TreeJobs(options, tree.Files);
    std::vector<bool> succeeded =
        RunBatch(static_cast<int32_t>(jobs.size()), options.Workers, [&](int32_t index) {
            const TConvertJob& job = jobs[static_cast<size_t>(index)];
            MakeFolderFor(job.Destination);
            RunJob(job, options.Force);
        });
    WriteIndex(options, tree.Files, succeeded);
    int32_t total = static_cast<int32_t>(jobs.size() + tree.Problems.size());
    PrintSummary(CountSucceeded(succeeded), total);
    return CountSucceeded(succeeded) == total ? 0 : 1;
}

}  // namespace

int ConvertCommand(TCommandArguments arguments) {
    TConvertOptions options = ReadOptions(arguments);
    if (options.Tree) return ConvertTree(options);
    std::vector<TConvertJob> jobs;
    for (const std::string& source : options.Sources) jobs.push_back(JobFor(source, options));
    if (options.Folder) MakeFolder(*options.Folder);
    std::vector<bool> succeeded = RunJobs(jobs, options);
    int32_t converted = CountSucceeded(succeeded);
    if (jobs.size() > 1) PrintSummary(converted, static_cast<int32_t>(jobs.size()));
    return converted == static_cast<int32_t>(jobs.size()) ? 0 : 1;
}

}  // namespace codelume
