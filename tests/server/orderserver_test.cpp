// The server in-process, and as its own program: started on port 0, killed in mid-load.
#include "serverfixture.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <set>

namespace servertest {
namespace {

constexpr int kConcurrentOrders = 200;
constexpr int kBuyers = 8;
constexpr std::size_t kAnsweredBeforeKill = 60;

// The program serving `folder` and its store on port 0, with `extra` options; its first line read.
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
    pid_ = ::fork();
    if (pid_ == 0) {  // only calls safe between fork and exec in a threaded program
      ::dup2(out[1], STDOUT_FILENO);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
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

// Only the order texts are served, and no log line carries what a buyer typed.
TEST_F(ServerTest, ServesTheTextsRefusesBadPostsAndStoresEveryOrderOncePrivately) {
  writeFile(folder_ / "notes.txt", "private");
  writeFile(storePath(), "");
  fs::permissions(storePath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                   fs::perms::others_read);
  startServer();
  httplib::Client c("127.0.0.1", server_->port());
  for (const auto& [name, text] : serverTexts()) {
    const auto reply = c.Get("/" + name);
    ASSERT_TRUE(reply) << name;
    EXPECT_EQ(reply->body, text) << name;
    EXPECT_EQ(reply->get_header_value("Content-Type"), "text/plain; charset=ISO-8859-1");
  }
  fs::remove(folder_ / "tax.txt");
  for (const char* path : {"/tax.txt", "/notes.txt", "/orders.sqlite", "/state.txt", "/v120Xtxt", "/../v120.txt",
                           "/images/cdif/cdif.php"})
    EXPECT_EQ(c.Get(path).value().status, 404) << path;
  writeFile(folder_ / "v120.txt", "0");  // the maker can change a text while the server runs
  EXPECT_EQ(c.Get("/v120.txt")->body, "0");

  const auto sound = orderForm("N1", orderText("N1"));
  for (const std::string_view missing : orderserver::kOrderFields) {
    auto form = sound;
    std::erase_if(form, [missing](const auto& item) { return item.name == missing; });
    const auto reply = post(form);
    EXPECT_EQ(reply.value().status, 400) << missing;
    EXPECT_NE(reply->body.find("the field " + std::string(missing) + " is missing"), std::string::npos);
  }
  auto form = sound;
  form[4].content = std::string(orderserver::kMaxPostBytes, 'a');
  EXPECT_EQ(post(form).value().status, 413);
  httplib::Params plainForm;
  for (const auto& item : sound) plainForm.emplace(item.name, item.content);
  EXPECT_EQ(c.Post(std::string(ordering::kOrderScriptPath), plainForm).value().status, 415);
  EXPECT_TRUE(storedOrders().empty());

  std::atomic<int> answered = 0;
  std::vector<std::thread> buyers;
  for (int i = 0; i < kConcurrentOrders; ++i)
    buyers.emplace_back([this, i, &answered] {
      const std::string number = "ANMBEL" + std::to_string(i);
      const auto reply = post(orderForm(number, orderText(number)));
      if (!reply) ADD_FAILURE() << httplib::to_string(reply.error());
      answered += reply && reply->status == 200 &&
                  reply->body.find("Your order " + number + " has been received") != std::string::npos;
    });
  for (auto& buyer : buyers) buyer.join();
  EXPECT_EQ(answered, kConcurrentOrders);
  const auto stored = storedOrders();
  ASSERT_EQ(stored.size(), std::size_t(kConcurrentOrders));
  std::set<std::string> numbers;
  for (const auto& [id, received, order] : stored) {
    numbers.insert(order.orderNumber);
    EXPECT_EQ(order.orderText, orderText(order.orderNumber));
    EXPECT_EQ(order.customer + "|" + order.email + "|" + order.subject,
              "Anna Berg|anna_b@mail.example|Anna Berg - " + order.orderNumber);
  }
  EXPECT_EQ(numbers.size(), std::size_t(kConcurrentOrders));

  for (const char* suffix : {"", "-wal", "-shm"}) {
    struct stat info {};
    const std::string file = storePath().string() + suffix;
    ASSERT_EQ(::stat(file.c_str(), &info), 0) << file;
    EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
  }
  const std::lock_guard lock(logMutex_);
  ASSERT_GE(log_.size(), std::size_t(kConcurrentOrders));
  for (const std::string& line : log_)
    for (const char* secret : {"4111", "Anna", "Berg", "N1", "ANMBEL", "anna_b"})
      EXPECT_EQ(line.find(secret), std::string::npos) << line;
}

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
    EXPECT_EQ(httplib::Client("127.0.0.1", process.port()).Get("/v120.txt").value().body, "1");
    const int status = process.kill(SIGTERM);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  writeFile(folder_ / "notastore", std::string(4096, 'x'));
  const struct {
    std::string option, value;
    int exitCode;
  } refusals[] = {{"--store", (folder_ / "notastore").string(), 1}, {"--host", "10.0.0.1", 2},
                  {"--texts", (folder_ / "missing").string(), 1},
                  {"--store", (folder_ / "missing" / "orders.sqlite").string(), 1}};
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
  httplib::SSLClient tls("127.0.0.1", process.port());
  tls.enable_server_certificate_verification(false);
  const auto reply = tls.Get("/State.txt");
  ASSERT_TRUE(reply) << httplib::to_string(reply.error()) << process.firstLine;
  EXPECT_EQ(reply->body, "Oregon ");
  EXPECT_FALSE(httplib::Client("127.0.0.1", process.port()).Get("/State.txt"));  // no plain HTTP beside it
}

}  // namespace
}  // namespace servertest
