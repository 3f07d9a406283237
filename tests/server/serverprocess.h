#pragma once
// The order server as its own program, started on port 0 by the tests, and its maker's tools run beside it.

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "serverfixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
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

// The program serving `folder` and its store on port 0, with `extra` options; its first line read, its log kept in
// the folder's server.log. A file-size limit, when given, is the program's own: set after the fork.
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
    char line[256] = {};
    if (std::fgets(line, sizeof line, stdout_)) firstLine = line;
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
  std::string log() const {
    std::ostringstream text;
    text << std::ifstream(logPath_).rdbuf();
    return text.str();
  }

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

// The program run to its end with `args`.
inline ToolRun runProgram(const std::string& args) {
  std::FILE* out = ::popen((std::string(QUILLOCK_ORDERSERVER) + " " + args + " 2>&1").c_str(), "r");
  ToolRun run;
  for (char buffer[4096]; std::size_t n = std::fread(buffer, 1, sizeof buffer, out);) run.output.append(buffer, n);
  run.status = ::pclose(out);
  return run;
}

// Long past what any tool run of the tests takes: a tool still running then has hung.
inline constexpr unsigned kToolDeadlineSeconds = 10;

// The program run to its end with `args`, its stdout written to `out` under a file-size limit of its own, as a shell
// gives it; `output` holds its stderr only. A program that hangs is ended by SIGALRM at the deadline.
inline ToolRun runTool(std::vector<std::string> args, const std::string& out, rlim_t fileSizeLimit = RLIM_INFINITY) {
  const int outFd = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  int errors[2];
  EXPECT_EQ(::pipe(errors), 0);
  const pid_t pid = startProgram(std::move(args), outFd, errors[1], fileSizeLimit, kToolDeadlineSeconds);
  ::close(outFd);
  ::close(errors[1]);
  ToolRun run;
  char buffer[4096];
  for (ssize_t n; (n = ::read(errors[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, std::size_t(n));
  ::close(errors[0]);
  EXPECT_GT(pid, 0);
  if (pid > 0) ::waitpid(pid, &run.status, 0);
  return run;
}

// How often a bounded run looks whether the program has ended.
inline constexpr std::chrono::milliseconds kEndPollInterval{10};

// The program run with `args`, stdout and stderr in `output` (a pipe's worth: for programs that say little). One still
// running at the deadline has hung and is killed with SIGKILL, which nothing it blocks or ignores can put off.
inline ToolRun runWithin(std::vector<std::string> args, std::chrono::seconds deadline) {
  int output[2];
  EXPECT_EQ(::pipe2(output, O_CLOEXEC), 0);
  const pid_t pid = startProgram(std::move(args), output[1], output[1], RLIM_INFINITY);
  ::close(output[1]);
  ToolRun run;
  const auto until = std::chrono::steady_clock::now() + deadline;
  while (pid > 0 && ::waitpid(pid, &run.status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() >= until) ::kill(pid, SIGKILL);
    std::this_thread::sleep_for(kEndPollInterval);
  }
  char buffer[4096];  // the program has ended: the pipe holds all it wrote
  for (ssize_t n; (n = ::read(output[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, std::size_t(n));
  ::close(output[0]);
  return run;
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

}  // namespace servertest
