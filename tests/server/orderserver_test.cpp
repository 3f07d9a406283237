// The server in-process, and as its own program: started on port 0, killed in mid-load.
#include "serverfixture.h"
#include "serverprocess.h"

#include "model/file/textfile.h"

#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <atomic>
#include <cstdio>
#include <set>

namespace servertest {
namespace {

constexpr int kConcurrentOrders = 192;
constexpr int kConcurrentBuyers = 16;
constexpr int kBuyers = 8;
constexpr int kSlowClients = 64;
constexpr auto kShortDeadline = std::chrono::milliseconds(1500);
constexpr std::size_t kHugeBody = std::size_t(64) << 20, kReadBeforeRefusalAtMost = std::size_t(16) << 20;
constexpr const char* kCardNumber = "4111111111111111";
constexpr std::size_t kAnsweredBeforeKill = 60;

// Only the order texts are served, and no log line carries what a buyer typed.
TEST_F(ServerTest, ServesTheTextsRefusesBadPostsAndStoresEveryOrderOncePrivately) {
  writeFile(folder_ / "notes.txt", "private");
  writeFile(storePath(), "");
  fs::permissions(storePath(), fs::perms(0644));
  startServer();
  httplib::Client c("127.0.0.1", server_->port());
  for (const auto& [name, text] : serverTexts()) {
    const auto reply = c.Get("/" + name);
    EXPECT_EQ(reply ? reply->body + "|" + reply->get_header_value("Content-Type") : "no reply",
              text + "|text/plain; charset=ISO-8859-1");
  }
  fs::remove(folder_ / "tax.txt");  // the maker can change the texts while the server runs
  for (const char* path : {"/tax.txt", "/notes.txt", "/orders.sqlite", "/state.txt", "/v120Xtxt", "/../v120.txt",
                           "/images/cdif/cdif.php"})
    EXPECT_EQ(statusOf(c.Get(path)), 404) << path;

  const auto sound = orderForm("N1");
  for (const std::string_view missing : orderserver::kOrderFields) {
    auto form = sound;
    std::erase_if(form, [missing](const auto& item) { return item.name == missing; });
    const auto reply = post(form);
    EXPECT_EQ(statusOf(reply), 400) << missing;
    EXPECT_NE(reply->body.find("the field " + std::string(missing) + " is missing"), std::string::npos);
  }
  httplib::Params plainForm;
  for (const auto& item : sound) plainForm.emplace(item.name, item.content);
  EXPECT_EQ(statusOf(c.Post(std::string(ordering::kOrderScriptPath), plainForm)), 415);
  EXPECT_TRUE(storedOrders().empty());

  std::atomic<int> answered = 0;
  std::vector<std::thread> buyers;
  for (int b = 0; b < kConcurrentBuyers; ++b)
    buyers.emplace_back([this, b, &answered] {
      for (int i = b; i < kConcurrentOrders; i += kConcurrentBuyers) {
        const std::string number = "ANMBEL" + std::to_string(i);
        const auto reply = post(orderForm(number));
        if (!reply) ADD_FAILURE() << httplib::to_string(reply.error());
        answered += reply && reply->status == 200 &&
                    reply->body.find("Your order " + number + " has been received") != std::string::npos;
      }
    });
  for (auto& buyer : buyers) buyer.join();
  EXPECT_EQ(answered, kConcurrentOrders);
  // A buyer who retries after a lost answer is thanked again; the order is stored once.
  EXPECT_EQ(bodyOf(post(orderForm("ANMBEL7"))), bodyOf(post(orderForm("ANMBEL7"))));
  EXPECT_NE(bodyOf(post(orderForm("N<&'1"))).find("Your order N&lt;&amp;&#39;1 has been received"),
            std::string::npos);
  // A name beyond a-z gives an order number in UTF-8, as the posting page's browser posts it, and answered so.
  const std::string wide = "AN\xc3\x89" "BEL1";
  const auto wideReply = post(orderForm(wide));
  EXPECT_EQ(wideReply ? wideReply->get_header_value("Content-Type") + "|" + wideReply->body : "no reply",
            "text/html; charset=UTF-8|<html><body><p>Thank you. Your order " + wide +
                " has been received.</p></body></html>\r\n");
  // Neither the store nor its journal holds the card or the buyer in clear, even before a checkpoint.
  std::string bytes;
  for (const char* suffix : {"", "-wal"})
    bytes += model::readTextFile(storePath().string() + suffix, std::uintmax_t(1) << 30).value();
  EXPECT_GT(bytes.size(), kConcurrentOrders * orderText("").size());
  for (const char* secret : {kCardNumber, "anna_b@mail.example", "Anna Berg"})
    EXPECT_EQ(bytes.find(secret), std::string::npos) << secret;
  std::set<std::string> numbers;
  for (const auto& order : storedOrders()) {
    EXPECT_TRUE(numbers.insert(order.orderNumber).second) << order.orderNumber;
    // The cipher carries each character beyond its alphabet as one blank: only the clear column keeps the letter.
    const std::string number = order.orderNumber == "N<&'1" ? "N   1" : order.orderNumber == wide ? "AN BEL1"
                                                                                                     : order.orderNumber;
    EXPECT_EQ(order.orderText, orderText(number));
    EXPECT_EQ(order.customer + "|" + order.email + "|" + order.subject,
              "Anna Berg|anna_b@mail.example|Anna Berg - " + order.orderNumber);
  }
  EXPECT_EQ(numbers.size(), std::size_t(kConcurrentOrders + 2));
  EXPECT_TRUE(numbers.contains(wide));
  for (const char* suffix : {"", "-wal", "-shm"}) {
    struct stat info {};
    const std::string file = storePath().string() + suffix;
    EXPECT_EQ(::stat(file.c_str(), &info) == 0 ? info.st_mode & 0777 : 0, 0600u) << file;
  }
  const std::lock_guard lock(logMutex_);
  ASSERT_GE(log_.size(), std::size_t(kConcurrentOrders));
  for (const std::string& line : log_)
    for (const char* secret : {"4111", "Anna", "Berg", "N1", "ANMBEL", "anna_b"})
      EXPECT_EQ(line.find(secret), std::string::npos) << line;
}

// True once the server has closed `fd`, waiting at most `ms`.
bool closedWithin(int fd, int ms) {
  pollfd wait{fd, POLLIN, 0};
  char byte = 0;
  return ::poll(&wait, 1, ms) == 1 && ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

bool sendText(int fd, std::string_view text) {
  return ::send(fd, text.data(), text.size(), MSG_NOSIGNAL) == ssize_t(text.size());
}

// The start of the server's answer on `fd`: a refusal begins "HTTP/1.1 413".
std::string answerOn(int fd) {
  char reply[64] = {};
  return ::recv(fd, reply, sizeof reply - 1, 0) > 0 ? std::string(reply, 12) : "";
}

// Slow, silent, crowding and huge clients hold no one up: probes from another address answer within a second.
TEST_F(ServerTest, SlowAndHugeClientsStarveNoOne) {
  startServer(kShortDeadline);
  const std::string head = "POST " + std::string(ordering::kOrderScriptPath) + " HTTP/1.1\r\nHost: a\r\n";
  std::vector<int> held;
  for (int i = 0; i < kSlowClients; ++i) {
    held.push_back(connectFrom(("127.0.0." + std::to_string(2 + i)).c_str()));
    EXPECT_TRUE(sendText(held.back(), head.substr(0, i % 2 ? head.size() : 0)));
  }
  // One address past its share: whichever connection is taken last is closed at once.
  for (unsigned i = 0; i <= orderserver::kMaxConnectionsPerAddress; ++i) held.push_back(connectFrom("127.0.0.250"));
  const auto closedOfOneAddress = [&held] {
    return std::count_if(held.end() - orderserver::kMaxConnectionsPerAddress - 1, held.end(),
                         [](int fd) { return closedWithin(fd, 0); });
  };
  for (int wait = 0; wait < 10 && closedOfOneAddress() == 0; ++wait) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(closedOfOneAddress(), 1);
  httplib::Client probe("127.0.0.1", server_->port());
  probe.set_connection_timeout(1), probe.set_read_timeout(1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(bodyOf(probe.Get("/v120.txt")), "1");
  EXPECT_EQ(statusOf(probe.Post(std::string(ordering::kOrderScriptPath), orderForm("P1"))), 200);

  // One byte every tenth of a second keeps a connection busy but not past the whole-request deadline.
  const int trickle = connectFrom("127.0.0.200");
  const auto started = std::chrono::steady_clock::now();
  bool cut = false;
  for (int i = 0; i < 40 && !cut; ++i) cut = !sendText(trickle, head.substr(i % head.size(), 1)) || closedWithin(trickle, 100);
  EXPECT_TRUE(cut);
  EXPECT_LT(std::chrono::steady_clock::now() - started, kShortDeadline + std::chrono::milliseconds(1000));

  // A body announced too large is refused before it is sent; a chunked one once the limit is passed.
  const int announced = connectFrom("127.0.0.201"), huge = connectFrom("127.0.0.202");
  sendText(announced, head + "Content-Type: multipart/form-data; boundary=b\r\nContent-Length: " +
                          std::to_string(orderserver::kMaxPostBytes + 1) + "\r\n\r\n");
  EXPECT_EQ(answerOn(announced), "HTTP/1.1 413");
  const timeval sendLimit{2, 0};
  ::setsockopt(huge, SOL_SOCKET, SO_SNDTIMEO, &sendLimit, sizeof sendLimit);
  sendText(huge, head + "Content-Type: multipart/form-data; boundary=bb\r\nTransfer-Encoding: chunked\r\n\r\n");
  constexpr std::size_t kChunk = 1 << 16;
  const std::string chunk = "10000\r\n" + std::string(kChunk, 'a') + "\r\n";
  std::size_t sent = 0;
  for (pollfd answer{huge, POLLIN, 0}; sent < kHugeBody && ::poll(&answer, 1, 0) == 0 && sendText(huge, chunk);)
    sent += kChunk;
  EXPECT_EQ(answerOn(huge), "HTTP/1.1 413");
  EXPECT_LT(sent, kReadBeforeRefusalAtMost);
  for (const int fd : held) ::close(fd);
  for (const int fd : {trickle, announced, huge}) ::close(fd);
}

TEST_F(ServerTest, EveryAnsweredOrderSurvivesAKill) {
  ServerProcess process(folder_);
  ASSERT_TRUE(process.firstLine.starts_with("listening on 127.0.0.1:")) << process.firstLine;
  std::mutex mutex;
  std::vector<std::string> answered;
  std::atomic<std::size_t> answeredCount = 0;
  std::atomic<bool> killed = false;
  std::vector<std::thread> buyers;
  for (int b = 0; b < kBuyers; ++b)
    buyers.emplace_back([&, b] {
      httplib::Client c("127.0.0.1", process.port());
      c.set_connection_timeout(2);
      for (int k = 0; !killed; ++k) {
        const std::string number = "B" + std::to_string(b) + "K" + std::to_string(k);
        const auto reply = c.Post(std::string(ordering::kOrderScriptPath), orderForm(number));
        if (!reply || reply->status != 200) continue;
        const std::lock_guard lock(mutex);
        answered.push_back(number);
        ++answeredCount;
      }
    });
  while (answeredCount < kAnsweredBeforeKill) std::this_thread::yield();
  EXPECT_TRUE(WIFSIGNALED(process.kill(SIGKILL)));
  killed = true;
  for (auto& buyer : buyers) buyer.join();
  std::multiset<std::string> stored;
  for (const auto& order : storedOrders()) {
    stored.insert(order.orderNumber);
    EXPECT_EQ(order.orderText, orderText(order.orderNumber));
  }
  for (const std::string& number : answered) EXPECT_EQ(stored.count(number), 1u) << number;
}

TEST_F(ServerTest, StopsCleanlyOnTermServesHttpsAndRefusesBadCommandLines) {
  {
    ServerProcess process(folder_);
    EXPECT_EQ(bodyOf(httplib::Client("127.0.0.1", process.port()).Get("/v120.txt")), "1");
    EXPECT_TRUE(exitedWith(process.kill(SIGTERM), 0));
  }
  // A file not yet known as a store is refused untouched: not followed, its mode kept.
  writeFile(folder_ / "notastore", std::string(4096, 'x'));
  writeFile(folder_ / "other.sqlite", "SQLite format 3");
  fs::create_symlink(storePath(), folder_ / "link.sqlite");
  fs::permissions(storePath(), fs::perms(0640));
  const auto in = [this](const char* name) { return (folder_ / name).string(); };
  const struct { std::string option, value; int exitCode; } refusals[] = {
      {"--store", in("notastore"), 1}, {"--store", in("link.sqlite"), 1}, {"--store", in("other.sqlite"), 1},
      {"--host", "10.0.0.1", 2}, {"--texts", in("missing"), 1}, {"--public-key", in("v120.txt"), 1},
      {"--store", in("missing/orders.sqlite"), 1}};
  for (const auto& refusal : refusals) {
    ServerProcess process(folder_, {refusal.option, refusal.value});
    EXPECT_EQ(process.firstLine, "") << refusal.value;
    EXPECT_TRUE(exitedWith(process.kill(0), refusal.exitCode)) << refusal.value;
  }
  for (const char* file : {"notastore", "other.sqlite", "orders.sqlite"})
    EXPECT_EQ(fs::status(folder_ / file).permissions() & fs::perms::group_read, fs::perms::group_read) << file;
  // Asked for its usage, it prints it and succeeds.
  for (const char* help : {"--help", "-h"}) {
    const ToolRun run = runProgram(help);
    EXPECT_TRUE(exitedWith(run.status, 0)) << help;
    EXPECT_EQ(run.output, orderserver::usage()) << help;
    // The defaults it names are the ones a command line without --host and --port gets.
    EXPECT_NE(run.output.find("address defaults to 127.0.0.1 and the port to 8080"), std::string::npos) << run.output;
  }

  // The maker makes the keys, serves with the public one and reads the orders with the secret one.
  const std::string tool = QUILLOCK_ORDERSERVER, secret = (folder_ / "secret.key").string();
  fs::remove(publicKeyPath());
  const std::string makeKeys = tool + " --make-keys " + publicKeyPath().string() + " " + secret + " 2>/dev/null";
  ASSERT_EQ(std::system(makeKeys.c_str()), 0);
  EXPECT_NE(std::system(makeKeys.c_str()), 0);  // never over an existing key
  EXPECT_EQ(fs::status(secret).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  {
    ServerProcess process(folder_, {"--store", (folder_ / "new.sqlite").string()});
    EXPECT_EQ(statusOf(post(orderForm("K1"), process.port())), 200);
  }
  const auto [status, listing] = runProgram("--read-orders " + (folder_ / "new.sqlite").string() + " --secret-key " + secret);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(listing.starts_with("Order K1 received ")) << listing;
  EXPECT_NE(listing.find("Order text:\n" + orderText("K1")), std::string::npos) << listing;

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
