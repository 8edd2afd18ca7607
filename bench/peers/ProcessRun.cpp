#include "ProcessRun.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace codelume {

namespace {

double Seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

double NowSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// In the child: standard output goes to outputFd, errors to /dev/null.
[[noreturn]] void Exec(const std::vector<std::string>& command, int outputFd) {
    int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(outputFd < 0 ? devNull : outputFd, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

}  // namespace

TProcessRun RunProcess(const std::vector<std::string>& command) {
    std::fflush(stdout);
    double start = NowSeconds();
    pid_t child = fork();
    if (child == 0) Exec(command, -1);
    TProcessRun run;
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
    run.WallSeconds = NowSeconds() - start;
    run.CpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    run.PeakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
    run.Succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

std::string ProcessOutput(const std::vector<std::string>& command) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return {};
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        Exec(command, pipeFds[1]);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got; (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<size_t>(got));
    close(pipeFds[0]);
    if (child > 0) waitpid(child, nullptr, 0);
    return output;
}

double ResidentMiB() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

bool IsInstalled(const std::string& program) {
    return !ProcessOutput({"sh", "-c", "command -v " + program}).empty();
}

}  // namespace codelume
