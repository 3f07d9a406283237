#include "serverfixture.h"

#include <sys/stat.h>

#include <atomic>
#include <set>

namespace servertest {
namespace {

constexpr int kConcurrentOrders = 200;

TEST_F(ServerTest, ServesTheOrderTextsAndNothingElse) {
  writeFile(folder_ / "notes.txt", "private");
  startServer();
  httplib::Client c("127.0.0.1", server_->port());
  for (const auto& [name, text] : serverTexts()) {
    const auto reply = c.Get("/" + name);
    ASSERT_TRUE(reply) << name;
    EXPECT_EQ(reply->status, 200) << name;
    EXPECT_EQ(reply->body, text) << name;
    EXPECT_EQ(reply->get_header_value("Content-Type"), "text/plain; charset=ISO-8859-1");
  }
  fs::remove(folder_ / "tax.txt");
  for (const char* path : {"/tax.txt", "/notes.txt", "/orders.sqlite", "/state.txt", "/v120Xtxt", "/../v120.txt",
                           "/images/cdif/cdif.php"})
    EXPECT_EQ(c.Get(path).value().status, 404) << path;
  // The maker can change a text while the server runs.
  writeFile(folder_ / "v120.txt", "0");
  EXPECT_EQ(c.Get("/v120.txt")->body, "0");
}

// Refused posts store nothing; then concurrent orders are each stored once, deciphered to what
// was sent, in a store only its owner reads, and no log line carries what a buyer typed.
TEST_F(ServerTest, RefusesBadPostsAndStoresEveryOrderOncePrivately) {
  writeFile(storePath(), "");
  fs::permissions(storePath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                   fs::perms::others_read);
  startServer();
  const auto sound = orderForm("N1", orderText("N1"));
  for (const std::string_view missing : orderserver::kOrderFields) {
    auto form = sound;
    std::erase_if(form, [missing](const auto& item) { return item.name == missing; });
    const auto reply = post(form);
    ASSERT_TRUE(reply) << missing;
    EXPECT_EQ(reply->status, 400) << missing;
    EXPECT_NE(reply->body.find("the field " + std::string(missing) + " is missing"), std::string::npos);
  }
  const auto withMessage = [&sound](std::string message) {
    auto form = sound;
    form[4].content = std::move(message);
    return form;
  };
  EXPECT_EQ(post(withMessage(std::string(orderserver::kMaxPostBytes, 'a'))).value().status, 413);
  EXPECT_EQ(post(withMessage("Anna Maria Berg\r\n")).value().status, 400);  // no cipher block
  httplib::Params plainForm;
  for (const auto& item : sound) plainForm.emplace(item.name, item.content);
  EXPECT_EQ(httplib::Client("127.0.0.1", server_->port())
                .Post(std::string(ordering::kOrderScriptPath), plainForm)
                .value()
                .status,
            415);
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
    EXPECT_EQ(order.customer, "Anna Berg");
    EXPECT_EQ(order.email, "anna_b@mail.example");
    EXPECT_EQ(order.subject, "Anna Berg - " + order.orderNumber);
    EXPECT_EQ(received.size(), std::string("2026-12-06T20:00:00Z").size());
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

}  // namespace
}  // namespace servertest
