// Runs a Qt program once with the first-paint probe preloaded and the launch time handed to it,
// and prints one line: the milliseconds from launch to the program's first painted frame, as the
// probe reports them, the processor time the program used (user and system, to its exit right
// after that paint), and its peak resident memory in KiB.
//
//   startup_launcher PROBE PROGRAM [ARGS...]   ->   "ms 41.2 cpu_ms 38.0 rss_kib 33012"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROBE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        return 1;
    }

    timespec launch{};
    clock_gettime(CLOCK_MONOTONIC, &launch);
    const std::string launchNs =
        std::to_string(static_cast<long long>(launch.tv_sec) * 1000000000LL + launch.tv_nsec);

    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        setenv("LD_PRELOAD", argv[1], 1);
        setenv("STARTUP_PROBE_LAUNCH_NS", launchNs.c_str(), 1);
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        execvp(argv[2], argv + 2);
        std::perror("exec");
        _exit(127);
    }
    close(pipeEnds[1]);

    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        return 1;
    }
    const std::size_t at = output.find("first-paint-ms ");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || at == std::string::npos) {
        std::fprintf(stderr, "%s did not report its first paint (status %d)\n", argv[2], status);
        return 1;
    }
    const double ms = std::strtod(output.c_str() + at + std::strlen("first-paint-ms "), nullptr);
    const double cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    std::printf("ms %.3f cpu_ms %.3f rss_kib %ld\n", ms, cpuMs, usage.ru_maxrss);
    return 0;
}
