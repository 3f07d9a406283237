// Posts the program must tell apart or refuse, and start-up files it cannot use.
#include "serverprocess.h"

#include <sqlite3.h>

#include <netinet/in.h>
#include <sys/socket.h>

namespace servertest {
namespace {

constexpr const char* kNumber = "ANBEL120720260101AM";
constexpr const char* kCard = "-4111111111111111-";
constexpr const char* kOtherCard = "-5500000000000004-";

std::string otherBuyersOrder(const std::string& number) {
  std::string text = orderText(number);
  return text.replace(text.find(kCard), std::string_view(kCard).size(), kOtherCard);
}

TEST_F(ProgramTest, OrdersSharingANumberAreEachKeptAndANumberUnlikeTheOrdersIsRefused) {
  {
    ServerProcess process(folder_);
    for (int repost = 0; repost < 2; ++repost)
      EXPECT_EQ(postTo(process, orderForm(kNumber)).value().body,
                "<html><body><p>Thank you. Your order " + std::string(kNumber) + " has been received.</p></body></html>\r\n");
    EXPECT_EQ(postTo(process, orderForm(kNumber, otherBuyersOrder(kNumber))).value().status, 200);
    const auto unlike = postTo(process, orderForm("ANBEL120720269999AM", orderText(kNumber)));
    EXPECT_EQ(unlike.value().status, 400);
    EXPECT_NE(unlike->body.find("the order number does not match the order"), std::string::npos) << unlike->body;
    // A character beyond the cipher's alphabet is one blank inside the order.
    EXPECT_EQ(postTo(process, orderForm("AN\xc3\x89" "BEL1", orderText("AN BEL1"))).value().status, 200);
    EXPECT_EQ(postTo(process, orderForm("AN\xc3\x89" "BEL2", orderText("AN  BEL2"))).value().status, 400);
  }
  // Restarted, the program cannot tell a repeated post: it keeps it rather than risk losing an order.
  ServerProcess process(folder_);
  EXPECT_EQ(postTo(process, orderForm(kNumber)).value().status, 200);
  const ToolRun listing = readOrders(storePath());
  EXPECT_TRUE(exitedWith(listing.status, 0)) << listing.output;
  EXPECT_EQ(occurrences(listing.output, "Order " + std::string(kNumber) + " received"), 3u) << listing.output;
  EXPECT_EQ(occurrences(listing.output, kCard), 3u);  // the first buyer's two orders and the one below
  EXPECT_EQ(occurrences(listing.output, kOtherCard), 1u);
  EXPECT_EQ(occurrences(listing.output, "Order AN\xc3\x89" "BEL1"), 1u);
  EXPECT_EQ(occurrences(listing.output, "9999AM"), 0u);
}

// A store written when each number was stored once opens with its orders and ids, and takes another under one.
TEST_F(ProgramTest, AStoreOfOneOrderPerNumberIsConvertedKeepingItsOrders) {
  const orderserver::PostedOrder first{"Anna Berg", "anna_b@mail.example", kNumber, "s", "m", orderText(kNumber)};
  const std::string sealed = orderserver::sealOrder(first, keys_.publicKey);
  sqlite3* db = nullptr;
  sqlite3_stmt* insert = nullptr;
  ASSERT_EQ(sqlite3_open(storePath().c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "PRAGMA journal_mode=WAL; CREATE TABLE orders (id INTEGER PRIMARY KEY,"
                             " received_utc TEXT NOT NULL, order_number TEXT NOT NULL UNIQUE, sealed BLOB NOT NULL);",
                         nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_prepare_v2(db, "INSERT INTO orders VALUES (7, '2026-07-12T01:01:00Z', ?, ?);", -1, &insert, nullptr);
  sqlite3_bind_text(insert, 1, kNumber, -1, SQLITE_STATIC);
  sqlite3_bind_blob(insert, 2, sealed.data(), int(sealed.size()), SQLITE_STATIC);
  EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
  sqlite3_finalize(insert);
  sqlite3_close(db);
  ServerProcess process(folder_);
  EXPECT_EQ(postTo(process, orderForm(kNumber, otherBuyersOrder(kNumber))).value().status, 200);
  const ToolRun listing = readOrders(storePath());
  EXPECT_NE(listing.output.find("Order " + std::string(kNumber) + " received 2026-07-12T01:01:00Z\n"), std::string::npos)
      << listing.output;
  EXPECT_EQ(occurrences(listing.output, kOtherCard), 1u) << listing.output;
  std::string error;
  std::vector<long long> ids;
  for (const auto& order : orderserver::OrderStore::openReadOnly(storePath().string(), error)->all())
    ids.push_back(order.id);
  EXPECT_EQ(ids, (std::vector<long long>{7, 8}));
}

TEST_F(ProgramTest, FieldsThatAreNotUtf8AreRefusedAndNothingIsStored) {
  ServerProcess process(folder_);
  for (const char* field : {"custname", "fromemail", "ordernum", "subject", "submit"}) {
    auto form = orderForm(kNumber);
    for (auto& item : form)
      if (item.name == field) item.content = "\xff\xfe\xc3\x28";
    const auto reply = postTo(process, form);
    EXPECT_EQ(reply.value().status, 400) << field;
    EXPECT_NE(reply->body.find("the field " + std::string(field) + " is not UTF-8"), std::string::npos) << reply->body;
  }
  process.kill(SIGTERM);
  EXPECT_EQ(readOrders(storePath()).output, "");
}

TEST_F(ProgramTest, ATooLargePostIsRefusedWithAPageEscapedOnce) {
  ServerProcess process(folder_);
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(std::uint16_t(process.port()));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const std::string head = "POST " + std::string(ordering::kOrderScriptPath) +
                           " HTTP/1.1\r\nHost: a\r\nContent-Type: multipart/form-data; boundary=b\r\n"
                           "Content-Length: 2097152\r\n\r\n";
  ::send(fd, head.data(), head.size(), MSG_NOSIGNAL);
  const timeval wait{5, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  std::string answer;
  char buffer[4096];
  for (ssize_t n = 0; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;) answer.append(buffer, std::size_t(n));
  ::close(fd);
  EXPECT_TRUE(answer.starts_with("HTTP/1.1 413")) << answer;
  EXPECT_TRUE(answer.ends_with("\r\n\r\n<html><body><p>The order is too large.</p></body></html>\r\n")) << answer;
}

TEST_F(ProgramTest, ACertificateOrKeyThatCannotBeUsedIsNamed) {
  const auto in = [this](const char* name) { return (folder_ / name).string(); };
  for (const char* pair : {"1", "2"}) {
    const std::string make = "openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " +
                             in("key") + pair + " -out " + in("cert") + pair + " 2>/dev/null";
    if (std::system(make.c_str()) != 0) GTEST_SKIP() << "openssl cannot make a test certificate";
  }
  writeFile(in("junk"), "-----BEGIN CERTIFICATE-----\nnot one\n-----END CERTIFICATE-----\n");
  const struct { std::string cert, key, says; } cases[] = {
      {in("junk"), in("key1"), "the certificate " + in("junk") + " cannot be used"},
      {in("cert1"), in("junk"), "the key " + in("junk") + " cannot be used"},
      {in("cert1"), in("key2"), "the key " + in("key2") + " cannot be used: it does not match the certificate " + in("cert1")}};
  for (const auto& c : cases) {
    const ToolRun run = runProgram("--texts " + folder_.string() + " --store " + storePath().string() +
                                   " --public-key " + publicKeyPath().string() + " --port 0 --cert " + c.cert +
                                   " --key " + c.key);
    EXPECT_TRUE(exitedWith(run.status, 1)) << run.output;
    EXPECT_EQ(run.output.find(c.says), 0u) << run.output;
  }
}

}  // namespace
}  // namespace servertest
