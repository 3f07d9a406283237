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

// The program started with `args`, its first stdout line read.
class ServerProcess {
 public:
  explicit ServerProcess(std::vector<std::string> args) {
    args.insert(args.begin(), QUILLOCK_ORDERSERVER);
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
    if (std::fgets(line, sizeof line, stdout_)) firstLine_ = line;
  }
  ~ServerProcess() {
    kill(SIGKILL);
    std::fclose(stdout_);
  }
  void kill(int signal) {
    if (pid_ == 0) return;
    ::kill(pid_, signal);
    ::waitpid(pid_, &status_, 0);
    pid_ = 0;
  }
  const std::string& firstLine() const { return firstLine_; }
  int port() const { return std::atoi(firstLine_.substr(firstLine_.rfind(':') + 1).c_str()); }
  int status() const { return status_; }

 private:
  pid_t pid_ = 0;
  int status_ = 0;
  std::FILE* stdout_ = nullptr;
  std::string firstLine_;
};

class ServerProcessTest : public ServerTest {
 protected:
  std::vector<std::string> args() const {
    return {"--texts", folder_.string(), "--store", storePath().string(), "--port", "0"};
  }
};

TEST_F(ServerProcessTest, EveryAnsweredOrderSurvivesAKill) {
  ServerProcess process(args());
  ASSERT_TRUE(process.firstLine().starts_with("listening on 127.0.0.1:")) << process.firstLine();
  std::mutex mutex;
  std::vector<std::string> answered;
  std::atomic<bool> killed = false;
  std::vector<std::thread> buyers;
  for (int b = 0; b < kBuyers; ++b) {
    buyers.emplace_back([&, b] {
      httplib::Client c("127.0.0.1", process.port());
      c.set_connection_timeout(2);
      for (int k = 0; !killed; ++k) {
        const std::string number = "B" + std::to_string(b) + "K" + std::to_string(k);
        const auto reply = c.Post(std::string(ordering::kOrderScriptPath),
                                  orderForm(number, orderText(number)));
        if (reply && reply->status == 200) {
          const std::lock_guard lock(mutex);
          answered.push_back(number);
        }
      }
    });
  }
  while (true) {
    const std::lock_guard lock(mutex);
    if (answered.size() >= kAnsweredBeforeKill) break;
    std::this_thread::yield();
  }
  process.kill(SIGKILL);
  killed = true;
  for (auto& buyer : buyers) buyer.join();
  EXPECT_TRUE(WIFSIGNALED(process.status()));
  std::multiset<std::string> stored;
  for (const auto& [id, received, order] : storedOrders()) {
    stored.insert(order.orderNumber);
    EXPECT_EQ(order.orderText, orderText(order.orderNumber));
  }
  for (const std::string& number : answered) EXPECT_EQ(stored.count(number), 1u) << number;
}

TEST_F(ServerProcessTest, StopsCleanlyOnTermAndRefusesBadCommandLines) {
  {
    ServerProcess process(args());
    ASSERT_GT(process.port(), 0);
    httplib::Client c("127.0.0.1", process.port());
    EXPECT_EQ(c.Get("/v120.txt")->body, "1");
    process.kill(SIGTERM);
    EXPECT_TRUE(WIFEXITED(process.status()) && WEXITSTATUS(process.status()) == 0);
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
    auto bad = args();
    bad.insert(bad.end(), {refusal.option, refusal.value});
    ServerProcess process(bad);
    EXPECT_EQ(process.firstLine(), "") << refusal.option;
    process.kill(0);
    EXPECT_TRUE(WIFEXITED(process.status()) && WEXITSTATUS(process.status()) == refusal.exitCode)
        << refusal.option;
  }
}

TEST_F(ServerProcessTest, ServesHttpsWithACertificate) {
  const fs::path cert = folder_ / "cert.pem";
  const fs::path key = folder_ / "key.pem";
  const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " +
                           key.string() + " -out " + cert.string() + " 2>/dev/null";
  if (std::system(make.c_str()) != 0) GTEST_SKIP() << "openssl cannot make a test certificate";
  auto withTls = args();
  withTls.insert(withTls.end(), {"--cert", cert.string(), "--key", key.string()});
  ServerProcess process(withTls);
  ASSERT_GT(process.port(), 0) << process.firstLine();
  httplib::SSLClient c("127.0.0.1", process.port());
  c.set_ca_cert_path(cert.string().c_str());
  c.enable_server_certificate_verification(false);
  const auto reply = c.Get("/State.txt");
  ASSERT_TRUE(reply) << httplib::to_string(reply.error());
  EXPECT_EQ(reply->body, "Oregon ");
  httplib::Client plain("127.0.0.1", process.port());
  EXPECT_FALSE(plain.Get("/State.txt") && plain.Get("/State.txt")->status == 200);
}

}  // namespace
}  // namespace servertest
