#pragma once
// Runs part of a test in a child process, so the limits and signal
// dispositions it sets never reach the rest of the tests.

#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// Returns what `job` returned in the child, "(child failed)" when the child
// did not end normally (killed by a signal, for one), or "(no child)" when
// none could be started.
inline std::string inChild(const std::function<std::string()>& job)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) return "(no pipe)";
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        return "(no child)";
    }
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string report = job();
        const bool sent = ::write(pipeEnds[1], report.data(), report.size()) == ssize_t(report.size());
        ::_exit(sent ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string report;
    char chunk[4096];
    for (ssize_t n; (n = ::read(pipeEnds[0], chunk, sizeof chunk)) > 0;) report.append(chunk, std::size_t(n));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "(child failed)";
}

}  // namespace testsupport
