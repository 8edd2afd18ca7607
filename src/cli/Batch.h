// Runs many independent jobs on several threads. Each job's failure is
// reported (in the order of the jobs, whatever order they finish in) and does
// not stop the others; on a terminal a progress count "123/9197" shows how
// far the batch has come.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace codelume {

// The processors this process may run on.
int32_t AvailableProcessors();

// Runs job(0) to job(count - 1) on up to workers threads. Returns, for each
// job, whether it succeeded; the failures have been reported.
std::vector<bool> RunBatch(int32_t count, int32_t workers,
                           const std::function<void(int32_t index)>& job);

}  // namespace codelume
