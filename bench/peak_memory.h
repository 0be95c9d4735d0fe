#pragma once
// The peak resident memory of a program run to its end: the operating
// system's own count for the process, so it covers every allocation, the
// buffers of the standard library and the program's code alike.
//
// A process started straight from a large one (the benchmark, holding its
// returns) is charged that one's peak as well, because the count carries
// over the start. So the benchmark program starts itself again, small, with
// kPeakChildFlag, and that copy starts the program and reports its count.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace cgt::bench {

inline constexpr const char* kPeakChildFlag = "--peak-memory-of";

struct ChildRun {
    int status = -1;  // the exit status
    long peakKb = 0;  // ru_maxrss
};

namespace detail {

inline ChildRun Spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t* actions) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, args[0], actions, nullptr, args.data(), environ) != 0)
        throw std::runtime_error("cannot start " + argv[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) throw std::runtime_error("cannot wait for " + argv[0]);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
}

}  // namespace detail

// Runs argv[0] with standard input from `input` and standard output into
// `output`; standard error is thrown away.
inline ChildRun RunChild(const std::vector<std::string>& argv, const std::string& input = "/dev/null",
                         const std::string& output = "/dev/null") {
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) throw std::runtime_error("cannot find the benchmark program");
    self[n] = 0;
    char report[] = "/tmp/cgt_peak_XXXXXX";
    const int fd = ::mkstemp(report);
    if (fd < 0) throw std::runtime_error("cannot make a report file");
    ::close(fd);
    std::vector<std::string> relay{self, kPeakChildFlag, report};
    relay.insert(relay.end(), argv.begin(), argv.end());

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const ChildRun relayRun = detail::Spawn(relay, &actions);
    posix_spawn_file_actions_destroy(&actions);
    ChildRun run;
    std::ifstream(report) >> run.status >> run.peakKb;
    std::remove(report);
    if (relayRun.status != 0) run.status = relayRun.status;
    return run;
}

// In the copy started by RunChild: runs the program and writes its status
// and peak into the report file. True when this process is such a copy.
inline bool RelayPeakChild(int argc, char** argv) {
    if (argc < 4 || std::strcmp(argv[1], kPeakChildFlag) != 0) return false;
    const ChildRun run = detail::Spawn(std::vector<std::string>(argv + 3, argv + argc), nullptr);
    std::ofstream(argv[2]) << run.status << ' ' << run.peakKb << '\n';
    return true;
}

}  // namespace cgt::bench
