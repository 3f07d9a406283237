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
  auto c = client();
  for (const auto& [name, text] : serverTexts()) {
    const auto reply = c.Get("/" + name);
    ASSERT_TRUE(reply) << name;
    EXPECT_EQ(reply->status, 200) << name;
    EXPECT_EQ(reply->body, text) << name;
    EXPECT_EQ(reply->get_header_value("Content-Type"), "text/plain; charset=ISO-8859-1");
  }
  fs::remove(folder_ / "tax.txt");
  for (const char* path : {"/tax.txt", "/notes.txt", "/orders.sqlite", "/state.txt",
                           "/v120Xtxt", "/../v120.txt", "/images/cdif/cdif.php"}) {
    const auto reply = c.Get(path);
    ASSERT_TRUE(reply) << path;
    EXPECT_EQ(reply->status, 404) << path;
  }
  // The maker can change a text while the server runs.
  writeFile(folder_ / "v120.txt", "0");
  EXPECT_EQ(c.Get("/v120.txt")->body, "0");
}

TEST_F(ServerTest, ConcurrentOrdersAreStoredOnceAndDecipherToWhatWasSent) {
  startServer();
  std::atomic<int> answered = 0;
  std::vector<std::thread> buyers;
  for (int i = 0; i < kConcurrentOrders; ++i) {
    buyers.emplace_back([this, i, &answered] {
      const std::string number = "ANMBEL" + std::to_string(i);
      const auto reply = client().Post(std::string(ordering::kOrderScriptPath),
                                       orderForm(number, orderText(number)));
      if (!reply) ADD_FAILURE() << httplib::to_string(reply.error());
      if (reply && reply->status == 200 &&
          reply->body.find("Your order " + number + " has been received") != std::string::npos)
        ++answered;
    });
  }
  for (auto& buyer : buyers) buyer.join();
  EXPECT_EQ(answered, kConcurrentOrders);
  const auto stored = storedOrders();
  ASSERT_EQ(stored.size(), static_cast<std::size_t>(kConcurrentOrders));
  std::set<std::string> numbers;
  for (const auto& [id, received, order] : stored) {
    numbers.insert(order.orderNumber);
    EXPECT_EQ(order.orderText, orderText(order.orderNumber));
    EXPECT_EQ(order.customer, "Anna Berg");
    EXPECT_EQ(order.email, "anna_b@mail.example");
    EXPECT_EQ(order.subject, "Anna Berg - " + order.orderNumber);
    EXPECT_EQ(received.size(), std::string("2026-12-06T20:00:00Z").size());
  }
  EXPECT_EQ(numbers.size(), static_cast<std::size_t>(kConcurrentOrders));
}

TEST_F(ServerTest, RefusedPostsGetA4xxAndStoreNothing) {
  startServer();
  const std::string path(ordering::kOrderScriptPath);
  const auto sound = orderForm("N1", orderText("N1"));
  auto c = client();
  for (const std::string_view missing : orderserver::kOrderFields) {
    auto form = sound;
    std::erase_if(form, [missing](const auto& item) { return item.name == missing; });
    const auto reply = c.Post(path, form);
    ASSERT_TRUE(reply) << missing;
    EXPECT_EQ(reply->status, 400) << missing;
    EXPECT_NE(reply->body.find("the field " + std::string(missing) + " is missing"),
              std::string::npos);
  }
  const auto withMessage = [&sound](std::string message) {
    auto form = sound;
    form[4].content = std::move(message);
    return form;
  };
  const struct {
    const char* name;
    httplib::MultipartFormDataItems form;
    int status;
  } cases[] = {
      {"too large", withMessage(std::string(orderserver::kMaxPostBytes, 'a')), 413},
      {"no cipher block", withMessage("Anna Maria Berg\r\n"), 400},
      {"foreign character in the cipher", withMessage(sound[4].content + "\r\n<\r\n" +
                                                      std::string(59, '-')), 400},
  };
  for (const auto& test : cases) {
    const auto reply = c.Post(path, test.form);
    ASSERT_TRUE(reply) << test.name;
    EXPECT_EQ(reply->status, test.status) << test.name;
  }
  httplib::Params plainForm;
  for (const auto& item : sound) plainForm.emplace(item.name, item.content);
  const auto urlEncoded = c.Post(path, plainForm);
  ASSERT_TRUE(urlEncoded);
  EXPECT_EQ(urlEncoded->status, 415);
  EXPECT_TRUE(storedOrders().empty());
}

TEST_F(ServerTest, StoreIsOwnerOnlyAndTheLogHoldsNoOrderData) {
  writeFile(storePath(), "");
  fs::permissions(storePath(), fs::perms::owner_read | fs::perms::owner_write |
                                   fs::perms::group_read | fs::perms::others_read);
  startServer();
  auto c = client();
  ASSERT_EQ(c.Post(std::string(ordering::kOrderScriptPath), orderForm("N7", orderText("N7")))->status,
            200);
  auto refused = orderForm("N8", orderText("N8"));
  refused.pop_back();
  ASSERT_EQ(c.Post(std::string(ordering::kOrderScriptPath), refused)->status, 400);
  for (const char* suffix : {"", "-wal", "-shm"}) {
    struct stat info {};
    const std::string file = storePath().string() + suffix;
    ASSERT_EQ(::stat(file.c_str(), &info), 0) << file;
    EXPECT_EQ(info.st_mode & 0777, 0600u) << file;
  }
  const std::lock_guard lock(logMutex_);
  ASSERT_EQ(log_.size(), 2u);
  for (const std::string& line : log_)
    for (const char* secret : {"4111", "Anna", "Berg", "N7", "N8", "anna_b"})
      EXPECT_EQ(line.find(secret), std::string::npos) << line;
}

}  // namespace
}  // namespace servertest
