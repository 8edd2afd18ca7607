#include "cli/Batch.h"

#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "cli/Commands.h"

namespace codelume {

namespace {

// What the jobs report, brought into the jobs' order: a finished job's
// message waits until every job before it has finished.
class TBatchReport {
public:
    explicit TBatchReport(int32_t count)
        : Messages(static_cast<size_t>(count)),
          Finished(static_cast<size_t>(count)),
          Count(count),
          ShowProgress(isatty(STDERR_FILENO) != 0) {}
    ~TBatchReport() { ClearProgress(); }

    void Finish(int32_t index, std::optional<std::string> failure);
    // Once every job has finished: whether each succeeded.
    std::vector<bool> Succeeded() const;

private:
    void ClearProgress();

    std::mutex Lock;
    std::vector<std::optional<std::string>> Messages;
    std::vector<bool> Finished;
    int32_t Count;
    int32_t Done = 0;
    int32_t NextToReport = 0;
    bool ShowProgress;
};

void TBatchReport::Finish(int32_t index, std::optional<std::string> failure) {
    std::lock_guard<std::mutex> guard(Lock);
    Messages[static_cast<size_t>(index)] = std::move(failure);
    Finished[static_cast<size_t>(index)] = true;
    ++Done;
    ClearProgress();
    for (; NextToReport < Count && Finished[static_cast<size_t>(NextToReport)]; ++NextToReport)
        if (const auto& message = Messages[static_cast<size_t>(NextToReport)])
            ReportError(*message);
    if (ShowProgress) std::fprintf(stderr, "%d/%d", Done, Count);
    std::fflush(stderr);
}

std::vector<bool> TBatchReport::Succeeded() const {
    std::vector<bool> succeeded;
    for (const auto& message : Messages) succeeded.push_back(!message);
    return succeeded;
}

// The count stands alone on its line; "\r" and erasing to the line's end
// take it away before a message or the end.
void TBatchReport::ClearProgress() {
    if (ShowProgress && Done > 0) std::fputs("\r\033[K", stderr);
}

std::optional<std::string> FailureOf(const std::function<void(int32_t)>& job, int32_t index) {
    try {
        job(index);
        return std::nullopt;
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
}

}  // namespace

int32_t AvailableProcessors() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) == 0) return std::max(1, CPU_COUNT(&set));
    return static_cast<int32_t>(std::max(1u, std::thread::hardware_concurrency()));
}

std::vector<bool> RunBatch(int32_t count, int32_t workers,
                           const std::function<void(int32_t index)>& job) {
    TBatchReport report(count);
    std::atomic<int32_t> next{0};
    auto work = [&] {
        for (int32_t index = next++; index < count; index = next++)
            report.Finish(index, FailureOf(job, index));
    };
    {
        std::vector<std::jthread> helpers;
        for (int32_t i = 1; i < std::min(workers, count); ++i) helpers.emplace_back(work);
        work();
    }  // the helpers have finished here
    return report.Succeeded();
}

}  // namespace codelume
