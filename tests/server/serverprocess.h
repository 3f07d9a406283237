#pragma once
// The order server as its own program, started on port 0 by the tests, and its maker's tools run beside it.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "serverfixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace servertest {

inline bool exitedWith(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

// Starts the program with `args` after its own path, stdout on `out` and stderr on `err`, with SIGXFSZ as a shell
// gives it (whatever this test process does) and a file-size limit of its own; SIGALRM ends it after `alarmSeconds`
// (0: never).
inline pid_t startProgram(std::vector<std::string> args, int out, int err, rlim_t fileSizeLimit,
                          unsigned alarmSeconds = 0) {
  args.insert(args.begin(), QUILLOCK_ORDERSERVER);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const rlimit limit{fileSizeLimit, fileSizeLimit};
  const pid_t pid = ::fork();
  if (pid == 0) {  // only calls safe between fork and exec in a threaded program
    ::dup2(out, STDOUT_FILENO);
    ::dup2(err, STDERR_FILENO);
    ::signal(SIGXFSZ, SIG_DFL);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::alarm(alarmSeconds);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  return pid;
}

// Long past what any start or tool run of the tests takes: a program still silent or running then has hung.
inline constexpr unsigned kToolDeadlineSeconds = 10;

// How often a bounded run looks whether the program has ended.
inline constexpr std::chrono::milliseconds kEndPollInterval{10};

// Appends what `fd` gives to `into` until its end or until `until`.
inline void readUntil(int fd, std::string& into, std::chrono::steady_clock::time_point until) {
  char buffer[4096];
  for (;;) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(until - std::chrono::steady_clock::now()).count();
    pollfd ready{fd, POLLIN, 0};
    const int polled = left > 0 ? ::poll(&ready, 1, int(left)) : 0;
    if (polled == 0) return;
    if (polled < 0) continue;  // a signal: look again
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    into.append(buffer, std::size_t(n));
  }
}

// The exit status of `pid`; one still running at `until` has hung and is killed with SIGKILL, which nothing it blocks
// or ignores can put off.
inline int waitUntil(pid_t pid, std::chrono::steady_clock::time_point until) {
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= until) ::kill(pid, SIGKILL);
    std::this_thread::sleep_for(kEndPollInterval);
  }
  return status;
}

// The program serving `folder` and its store on port 0, with `extra` options; its first line read, its log kept in
// the folder's server.log. A file-size limit, when given, is the program's own: set after the fork.
// The whole text of the file at `path`; empty when it cannot be read.
inline std::string textOf(const std::filesystem::path& path) {
  std::ostringstream text;
  text << std::ifstream(path).rdbuf();
  return text.str();
}

class ServerProcess {
 public:
  ServerProcess(const std::filesystem::path& folder, std::vector<std::string> extra = {},
                rlim_t fileSizeLimit = RLIM_INFINITY)
      : logPath_(folder / "server.log") {
    std::vector<std::string> args{"--texts", folder.string(), "--store", (folder / "orders.sqlite").string(),
                                  "--public-key", (folder / "public.key").string(), "--port", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    const int log = ::open(logPath_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    pid_ = startProgram(std::move(args), out[1], log, fileSizeLimit);
    ::close(out[1]);
    ::close(log);
    stdout_ = ::fdopen(out[0], "r");
    // A program still silent at the deadline has hung: its first line stays empty and port() fails the test.
    const auto deadline = std::chrono::milliseconds(std::chrono::seconds(kToolDeadlineSeconds));
    pollfd said{out[0], POLLIN, 0};
    char line[256] = {};
    if (::poll(&said, 1, int(deadline.count())) > 0 && std::fgets(line, sizeof line, stdout_)) firstLine = line;
  }
  ~ServerProcess() {
    kill(SIGKILL);
    std::fclose(stdout_);
  }
  ServerProcess(const ServerProcess&) = delete;
  ServerProcess& operator=(const ServerProcess&) = delete;
  // The exit status once the signal (0: none) has ended it.
  int kill(int signal) {
    if (pid_ > 0) ::kill(pid_, signal), ::waitpid(pid_, &status_, 0);
    pid_ = 0;
    return status_;
  }
  // The port it listens on; a program that did not start fails the test with what it said, and gets port 0, where
  // every connection is refused.
  int port() const {
    const int port = std::atoi(firstLine.substr(firstLine.rfind(':') + 1).c_str());
    if (port <= 0) ADD_FAILURE() << "the order server did not start: " << firstLine << log();
    return port;
  }
  std::string log() const { return textOf(logPath_); }

  std::string firstLine;

 private:
  std::filesystem::path logPath_;
  pid_t pid_ = 0;
  int status_ = 0;
  std::FILE* stdout_ = nullptr;
};

struct ToolRun {
  int status = 0;
  std::string output;  // stdout and stderr
};

// How a program is run to its end.
struct RunOptions {
  std::string stdoutFile;  // empty: stdout goes into the output with stderr
  rlim_t fileSizeLimit = RLIM_INFINITY;
  std::chrono::milliseconds deadline = std::chrono::seconds(kToolDeadlineSeconds);
};

// The program run to its end with `args`; one still running at the deadline is killed.
inline ToolRun runToEnd(std::vector<std::string> args, const RunOptions& options = {}) {
  const auto until = std::chrono::steady_clock::now() + options.deadline;
  ToolRun run;
  int output[2];
  if (::pipe2(output, O_CLOEXEC) != 0) {
    ADD_FAILURE() << "no pipe: " << std::strerror(errno);
    return run;
  }
  const int out = options.stdoutFile.empty()
                      ? output[1]
                      : ::open(options.stdoutFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  EXPECT_GE(out, 0) << options.stdoutFile << ": " << std::strerror(errno);
  const pid_t pid = startProgram(std::move(args), out, output[1], options.fileSizeLimit);
  if (out != output[1]) ::close(out);
  ::close(output[1]);
  readUntil(output[0], run.output, until);
  ::close(output[0]);
  EXPECT_GT(pid, 0) << "no child: " << std::strerror(errno);
  if (pid > 0) run.status = waitUntil(pid, until);
  return run;
}

// The program run to its end with `args` (words split at spaces), stdout and stderr in `output`.
inline ToolRun runProgram(const std::string& args) {
  std::istringstream words(args);
  return runToEnd({std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()});
}

// The program run to its end with `args`, its stdout written to `out` under a file-size limit of its own, as a shell
// gives it; `output` holds its stderr only.
inline ToolRun runTool(std::vector<std::string> args, const std::string& out, rlim_t fileSizeLimit = RLIM_INFINITY) {
  return runToEnd(std::move(args), {out, fileSizeLimit});
}

// The program run with `args`, stdout and stderr in `output`, killed when still running at `deadline`.
inline ToolRun runWithin(std::vector<std::string> args, std::chrono::seconds deadline) {
  return runToEnd(std::move(args), {{}, RLIM_INFINITY, deadline});
}

// The fixture with the maker's tools at hand.
class ProgramTest : public ServerTest {
 protected:
  // What --read-orders says of `store`, with this test's secret key.
  ToolRun readOrders(const std::filesystem::path& store) const {
    const std::filesystem::path secret = folder_ / "secret.key";
    std::string error;
    if (!std::filesystem::exists(secret)) {
      EXPECT_TRUE(orderserver::writeKeyFile(secret.string(), keys_.secretKey, error)) << error;
    }
    return runProgram("--read-orders " + store.string() + " --secret-key " + secret.string());
  }
};

// The reply's status, or 0 with a failed check when none came: a server that
// ended fails the test at hand, not every test after it in the binary.
inline int statusOf(const httplib::Result& reply) {
  EXPECT_TRUE(reply) << "no answer: " << httplib::to_string(reply.error());
  return reply ? reply->status : 0;
}

inline std::string bodyOf(const httplib::Result& reply) {
  EXPECT_TRUE(reply) << "no answer: " << httplib::to_string(reply.error());
  return reply ? reply->body : std::string();
}

// How often `text` occurs in `listing`.
inline std::size_t occurrences(std::string_view listing, std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = listing.find(text); at != std::string_view::npos; at = listing.find(text, at + 1)) ++count;
  return count;
}

// Each of `numbers` is listed `times` times as an order in `listing`.
inline void expectListed(const std::string& listing, std::initializer_list<const char*> numbers, std::size_t times) {
  for (const char* number : numbers)
    EXPECT_EQ(occurrences(listing, "Order " + std::string(number) + " "), times) << number << '\n' << listing;
}

}  // namespace servertest
