// The server as its own program: started on port 0, killed in mid-load.
#include "serverfixture.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <set>

extern char** environ;

namespace servertest {
namespace {

constexpr int kBuyers = 8;
constexpr std::size_t kAnsweredBeforeKill = 60;

// The program started with the test's folder and store, on port 0, plus `extra`; its first
// stdout line read.
class ServerProcess {
 public:
  ServerProcess(const fs::path& folder, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{QUILLOCK_ORDERSERVER, "--texts", folder.string(), "--store",
                                  (folder / "orders.sqlite").string(), "--port", "0"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    int out[2];
    EXPECT_EQ(::pipe(out), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    EXPECT_EQ(posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    stdout_ = ::fdopen(out[0], "r");
    char line[256] = {};
    if (std::fgets(line, sizeof line, stdout_)) firstLine = line;
  }
  ~ServerProcess() {
    kill(SIGKILL);
    std::fclose(stdout_);
  }
  // The exit status once the signal (0: none) has ended it.
  int kill(int signal) {
    if (pid_ != 0) ::kill(pid_, signal), ::waitpid(pid_, &status_, 0);
    pid_ = 0;
    return status_;
  }
  int port() const { return std::atoi(firstLine.substr(firstLine.rfind(':') + 1).c_str()); }

  std::string firstLine;

 private:
  pid_t pid_ = 0;
  int status_ = 0;
  std::FILE* stdout_ = nullptr;
};

TEST_F(ServerTest, EveryAnsweredOrderSurvivesAKill) {
  ServerProcess process(folder_);
  ASSERT_TRUE(process.firstLine.starts_with("listening on 127.0.0.1:")) << process.firstLine;
  std::mutex mutex;
  std::vector<std::string> answered;
  std::atomic<bool> killed = false;
  std::vector<std::thread> buyers;
  for (int b = 0; b < kBuyers; ++b)
    buyers.emplace_back([&, b] {
      httplib::Client c("127.0.0.1", process.port());
      c.set_connection_timeout(2);
      for (int k = 0; !killed; ++k) {
        const std::string number = "B" + std::to_string(b) + "K" + std::to_string(k);
        const auto reply = c.Post(std::string(ordering::kOrderScriptPath), orderForm(number, orderText(number)));
        if (!reply || reply->status != 200) continue;
        const std::lock_guard lock(mutex);
        answered.push_back(number);
      }
    });
  while (true) {
    const std::lock_guard lock(mutex);
    if (answered.size() >= kAnsweredBeforeKill) break;
    std::this_thread::yield();
  }
  EXPECT_TRUE(WIFSIGNALED(process.kill(SIGKILL)));
  killed = true;
  for (auto& buyer : buyers) buyer.join();
  std::multiset<std::string> stored;
  for (const auto& [id, received, order] : storedOrders()) {
    stored.insert(order.orderNumber);
    EXPECT_EQ(order.orderText, orderText(order.orderNumber));
  }
  for (const std::string& number : answered) EXPECT_EQ(stored.count(number), 1u) << number;
}

TEST_F(ServerTest, StopsCleanlyOnTermServesHttpsAndRefusesBadCommandLines) {
  {
    ServerProcess process(folder_);
    ASSERT_GT(process.port(), 0);
    EXPECT_EQ(httplib::Client("127.0.0.1", process.port()).Get("/v120.txt")->body, "1");
    const int status = process.kill(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  writeFile(folder_ / "notastore", std::string(4096, 'x'));
  const struct {
    std::string option, value;
    int exitCode;
  } refusals[] = {
      {"--store", (folder_ / "notastore").string(), 1},
      {"--host", "10.0.0.1", 2},
      {"--texts", (folder_ / "missing").string(), 1},
      {"--store", (folder_ / "missing" / "orders.sqlite").string(), 1},
  };
  for (const auto& refusal : refusals) {
    ServerProcess process(folder_, {refusal.option, refusal.value});
    EXPECT_EQ(process.firstLine, "") << refusal.option;
    const int status = process.kill(0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == refusal.exitCode) << refusal.option;
  }

  const std::string cert = (folder_ / "cert.pem").string(), key = (folder_ / "key.pem").string();
  const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " + key +
                           " -out " + cert + " 2>/dev/null";
  if (std::system(make.c_str()) != 0) GTEST_SKIP() << "openssl cannot make a test certificate";
  ServerProcess process(folder_, {"--cert", cert, "--key", key});
  ASSERT_GT(process.port(), 0) << process.firstLine;
  httplib::SSLClient c("127.0.0.1", process.port());
  c.enable_server_certificate_verification(false);
  const auto reply = c.Get("/State.txt");
  ASSERT_TRUE(reply) << httplib::to_string(reply.error());
  EXPECT_EQ(reply->body, "Oregon ");
  httplib::Client plain("127.0.0.1", process.port());
  EXPECT_FALSE(plain.Get("/State.txt") && plain.Get("/State.txt")->status == 200);
}

}  // namespace
}  // namespace servertest
