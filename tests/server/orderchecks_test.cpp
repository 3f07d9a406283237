// Posts the program must tell apart or refuse, and certificates it cannot use.
#include "serverprocess.h"
#include "server/storereading.h"

#include <sqlite3.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace servertest {
namespace {

constexpr const char* kNumber = "ANBEL120720260101AM";
constexpr std::string_view kCard = "-4111111111111111-", kOtherCard = "-5500000000000004-";

std::string otherBuyersOrder() {
  std::string text = orderText(kNumber);
  return text.replace(text.find(kCard), kCard.size(), kOtherCard);
}

// The order as the program wrote it when it kept the served shipping and tax texts' line ends.
std::string amountsEndingIn(const std::string& end) {
  std::string text = orderText(kNumber);
  constexpr std::string_view kAmounts = "0\r\n0.00\r\n";
  return text.replace(text.rfind(kAmounts), kAmounts.size(), "8.50" + end + "\r\n0.088" + end + "\r\n");
}

TEST_F(ProgramTest, OrdersSharingANumberAreEachKeptAndUnsoundFieldsAreRefused) {
  {
    ServerProcess process(folder_);
    const auto status = [&](const httplib::MultipartFormDataItems& form) { return statusOf(post(form, process.port())); };
    EXPECT_EQ(status(orderForm(kNumber)), 200);
    EXPECT_EQ(status(orderForm(kNumber)), 200);  // the buyer retried: kept once
    EXPECT_EQ(status(orderForm(kNumber, otherBuyersOrder())), 200);
    EXPECT_EQ(status(orderForm("ANBEL120720269999AM", orderText(kNumber))), 400);
    // A character beyond the cipher's alphabet is one blank inside the order.
    EXPECT_EQ(status(orderForm("AN\xc3\x89" "BEL1", orderText("AN BEL1"))), 200);
    EXPECT_EQ(status(orderForm("AN\xc3\x89" "BEL2", orderText("AN  BEL2"))), 400);
    for (const char* field : {"custname", "fromemail", "ordernum", "subject", "submit"}) {
      auto form = orderForm(kNumber);
      std::ranges::find(form, field, &httplib::MultipartFormData::name)->content = "\xff\xfe\xc3\x28";
      EXPECT_EQ(status(form), 400) << field;
    }
    EXPECT_EQ(status(orderForm("", orderText(""))), 400);
    EXPECT_EQ(status(orderForm("", "8.50\r\n")), 400);  // too short to hold a number
    for (const std::string end : {"\n", "\r\n"}) EXPECT_EQ(status(orderForm(kNumber, amountsEndingIn(end))), 200);
    // A post that changes a kept field is an order of its own, and its retry a repeat of it.
    for (const char* field : {"custname", "fromemail", "subject"}) {
      auto form = orderForm(kNumber);
      std::ranges::find(form, field, &httplib::MultipartFormData::name)->content = field;
      EXPECT_EQ(std::pair(status(form), status(form)), std::pair(200, 200)) << field;
    }
    EXPECT_EQ(occurrences(process.log(), "a repeat of order "), 4u) << process.log();
    EXPECT_EQ(occurrences(process.log(), "a repeat of order 1\n"), 1u);
  }
  // Restarted, the program cannot tell a repeated post: it keeps it rather than risk losing an order.
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm(kNumber), process.port())), 200);
  const std::string listing = readOrders(storePath()).output;
  EXPECT_EQ(occurrences(listing, "Order " + std::string(kNumber) + " received"), 8u) << listing;
  EXPECT_EQ(occurrences(listing, kOtherCard), 1u);
  EXPECT_EQ(occurrences(listing, " received "), 9u);
  for (const char* kept : {"Customer: custname\n", "Email: fromemail\n", "Subject: subject\n"})
    EXPECT_EQ(occurrences(listing, kept), 1u) << kept;
}

// A store written when each number was stored once keeps its orders and ids, and takes another under a number.
TEST_F(ProgramTest, AStoreOfOneOrderPerNumberIsConvertedKeepingItsOrders) {
  std::string sealed;
  for (const unsigned char byte : orderserver::sealOrder({"A", "a@b", kNumber, "s", "m", "t"}, keys_.publicKey))
    sealed += {"0123456789abcdef"[byte >> 4], "0123456789abcdef"[byte & 15]};
  sqlite3* db = nullptr;
  sqlite3_open(storePath().c_str(), &db);
  EXPECT_EQ(sqlite3_exec(db, ("PRAGMA journal_mode=WAL; CREATE TABLE orders (id INTEGER PRIMARY KEY, received_utc TEXT "
                              "NOT NULL, order_number TEXT NOT NULL UNIQUE, sealed BLOB NOT NULL); INSERT INTO orders "
                              "VALUES (7, '2026-07-12T01:01:00Z', '" + std::string(kNumber) + "', X'" + sealed + "');")
                                 .c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  ServerProcess process(folder_);
  EXPECT_EQ(statusOf(post(orderForm(kNumber, otherBuyersOrder()), process.port())), 200);
  const std::string listing = readOrders(storePath()).output;
  EXPECT_TRUE(listing.starts_with("Order " + std::string(kNumber) + " received 2026-07-12T01:01:00Z\n")) << listing;
  EXPECT_EQ(occurrences(listing, kOtherCard), 1u) << listing;
  std::string error;
  const auto stored = orderserver::readStoredOrders(storePath().string(), error);
  EXPECT_EQ(std::pair(stored.at(0).id, stored.at(1).id), std::pair(7LL, 8LL));
}

TEST_F(ProgramTest, ATooLargePostIsRefusedWithAPageEscapedOnce) {
  ServerProcess process(folder_);
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const sockaddr_in address{AF_INET, htons(std::uint16_t(process.port())), {htonl(INADDR_LOOPBACK)}, {}};
  ASSERT_EQ(::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  const std::string head = "POST " + std::string(ordering::kOrderScriptPath) + " HTTP/1.1\r\nHost: a\r\nContent-Type: "
                           "multipart/form-data; boundary=b\r\nContent-Length: 2097152\r\n\r\n";
  ::send(fd, head.data(), head.size(), MSG_NOSIGNAL);
  std::string answer(4096, '\0');  // the whole answer: the connection closes after it
  answer.resize(std::size_t(std::max<ssize_t>(::recv(fd, answer.data(), answer.size(), MSG_WAITALL), 0)));
  ::close(fd);
  EXPECT_TRUE(answer.starts_with("HTTP/1.1 413")) << answer;
  EXPECT_TRUE(answer.ends_with("\r\n\r\n<html><body><p>The order is too large.</p></body></html>\r\n")) << answer;
}

TEST_F(ProgramTest, ACertificateOrKeyThatCannotBeUsedIsNamed) {
  const auto in = [this](std::string name) { return (folder_ / name).string(); };
  for (const std::string pair : {"1", "2"})
    if (std::system(("openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj /CN=127.0.0.1 -keyout " + in("key" + pair) +
                     " -out " + in("cert" + pair) + " 2>/dev/null").c_str()) != 0)
      GTEST_SKIP() << "openssl cannot make a test certificate";
  writeFile(in("junk"), "-----BEGIN CERTIFICATE-----\nnot one\n-----END CERTIFICATE-----\n");
  const std::string cases[][3] = {{"junk", "key1", "the certificate " + in("junk") + " cannot be used"},
                                  {"cert1", "junk", "the key " + in("junk") + " cannot be used"},
                                  {"cert1", "key2", "the key " + in("key2") + " cannot be used: it does not match"},
                                  {"gone", "key1", "the certificate " + in("gone") + " cannot be read: No such file"},
                                  {"cert1", "gone", "the key " + in("gone") + " cannot be read: No such file"}};
  for (const auto& [cert, key, says] : cases) {
    const ToolRun run = runProgram("--texts " + folder_.string() + " --store " + storePath().string() + " --public-key " +
                                   publicKeyPath().string() + " --port 0 --cert " + in(cert) + " --key " + in(key));
    EXPECT_TRUE(exitedWith(run.status, 1)) << run.output;
    EXPECT_TRUE(run.output.starts_with(says)) << run.output;
  }
}

// A FIFO waited on would hold the start for good: SIGTERM stays blocked until the server has started.
TEST_F(ProgramTest, ACertificateOrKeyThatIsAFifoEndsTheStartAtOnceNamingIt) {
  const auto in = [this](std::string name) { return (folder_ / name).string(); };
  ASSERT_EQ(::mkfifo(in("tls.fifo").c_str(), 0600), 0);
  writeFile(in("file"), "read, never used: the FIFO is refused first");
  const std::string cases[][3] = {{"tls.fifo", "file", "the certificate " + in("tls.fifo") + " cannot be read"},
                                  {"file", "tls.fifo", "the key " + in("tls.fifo") + " cannot be read"}};
  for (const auto& [cert, key, says] : cases) {
    const ToolRun run = runWithin({"--texts", folder_.string(), "--store", storePath().string(), "--public-key",
                                   publicKeyPath().string(), "--port", "0", "--cert", in(cert), "--key", in(key)},
                                  std::chrono::seconds(kToolDeadlineSeconds));
    EXPECT_TRUE(exitedWith(run.status, 1)) << (WIFSIGNALED(run.status) ? "killed at the deadline" : run.output);
    EXPECT_EQ(run.output, says + ": not a regular file\n");
  }
}

}  // namespace
}  // namespace servertest
