#pragma once
// A running order server on 127.0.0.1 for the tests, its texts and store in a fresh temporary folder, and orders posted
// as the posting page posts them.

#include "ordering/ordercipher.h"
#include "ordering/postingpage.h"
#include "server/orderserver.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

namespace servertest {

namespace fs = std::filesystem;

inline void writeFile(const fs::path& path, std::string_view text) {
  std::ofstream(path, std::ios::binary) << text;
}

// An order text shaped like the program's: design rows, then the order lines.
inline std::string orderText(const std::string& number) {
  return "1.2.0\r\n 192\r\n 3.25E-02\r\n-.5\r\nAnna\r\nMaria\r\nBerg\r\n12 Main St.\r\n\r\nSalem\r\nOregon \r\n"
         "97301\r\n555-0100\r\nanna_b@mail.example\r\nVisa\r\n-4111111111111111-\r\n07\r\n2012\r\n123\r\n" +
         number + "\r\n 45\r\n0\r\n0.00\r\n 45\r\n";
}

// The six fields exactly as a browser posts the page's form.
inline httplib::MultipartFormDataItems orderForm(const std::string& number, const std::string& text) {
  const ordering::PostingPageFields fields{"Anna", "Maria", "Berg", "anna_b@mail.example",
                                           "555-0100", number, ordering::kFullSizePlans};
  const std::string page = ordering::GenerateHTML(
      ordering::FileEncrypt(text, ordering::kAlphabet, ordering::kKeyTable), fields, "http://127.0.0.1");
  const std::string start = "name=message value='";
  const std::size_t from = page.find(start) + start.size();
  const std::string message = page.substr(from, page.find("' />\r\n<input type='submit'") - from);
  return {{"custname", "Anna Berg", "", ""}, {"fromemail", "anna_b@mail.example", "", ""},
          {"ordernum", number, "", ""},      {"subject", "Anna Berg - " + number, "", ""},
          {"message", message, "", ""},      {"submit", "Place Order", "", ""}};
}
inline httplib::MultipartFormDataItems orderForm(const std::string& number) {
  return orderForm(number, orderText(number));
}

// The server's texts: every one different, one with a Latin-1 byte.
inline const std::map<std::string, std::string>& serverTexts() {
  static const std::map<std::string, std::string> texts = {
      {"v120.txt", "1"},     {"price.txt", "45"},       {"pricemodel.txt", "12.5"}, {"shipping.txt", "0"},
      {"shippingmodel.txt", "5"}, {"terms.txt", "No refunds\r\nCaf\xe9"}, {"State.txt", "Oregon "},
      {"tax.txt", "0.088"}};
  return texts;
}

class ServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A server that refuses a post before its end closes the connection under the sender.
    std::signal(SIGPIPE, SIG_IGN);
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("quillock-" + test + "-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    for (const auto& [name, text] : serverTexts()) writeFile(folder_ / name, text);
    std::string error;
    ASSERT_TRUE(orderserver::writeKeyFile(publicKeyPath().string(), keys_.publicKey, error)) << error;
  }

  void TearDown() override {
    stopServer();
    fs::remove_all(folder_);
  }

  // Plain HTTP on 127.0.0.1, any free port.
  orderserver::ServerOptions serverOptions(std::chrono::milliseconds deadline = orderserver::kRequestDeadline) const {
    orderserver::ServerOptions options;
    options.textFolder = folder_.string();
    options.storePath = storePath().string();
    options.publicKeyFile = publicKeyPath().string();
    options.port = 0;
    options.requestDeadline = deadline;
    return options;
  }

  void startServer(std::chrono::milliseconds deadline = orderserver::kRequestDeadline) {
    startServer(serverOptions(deadline));
  }

  void startServer(const orderserver::ServerOptions& options) {
    std::string error;
    server_ = orderserver::OrderServer::start(options, [this](std::string_view line) {
      const std::lock_guard lock(logMutex_);
      log_.emplace_back(line);
    }, error);
    ASSERT_TRUE(server_) << error;
    thread_ = std::thread([this] { server_->run(); });
  }

  void stopServer() {
    if (!server_) return;
    server_->stop();
    thread_.join();
    server_.reset();
  }

  // An order posted on a fresh connection to the server running in this process, or to `port`.
  httplib::Result post(const httplib::MultipartFormDataItems& form) const {
    return post(form, server_ ? server_->port() : 0);
  }
  // Port 0 is the port of a server that did not start: the connection is refused and the test fails, it goes on.
  httplib::Result post(const httplib::MultipartFormDataItems& form, int port) const {
    httplib::Client c("127.0.0.1", port);
    c.set_connection_timeout(5);
    c.set_read_timeout(10);
    return c.Post(std::string(ordering::kOrderScriptPath), form);
  }

  // The stored orders opened with the maker's secret key, the number from the clear column.
  std::vector<orderserver::PostedOrder> storedOrders() const {
    std::string error;
    const auto store = orderserver::OrderStore::open(storePath().string(), error);
    EXPECT_TRUE(store) << error;
    std::vector<orderserver::PostedOrder> orders;
    for (const auto& stored : store ? store->all() : std::vector<orderserver::StoredOrder>{}) {
      const auto order = orderserver::openOrder(stored.sealed, keys_);
      EXPECT_TRUE(order) << stored.orderNumber;
      orders.push_back(order.value_or(orderserver::PostedOrder{}));
      orders.back().orderNumber = stored.orderNumber;
    }
    return orders;
  }

  fs::path storePath() const { return folder_ / "orders.sqlite"; }
  fs::path publicKeyPath() const { return folder_ / "public.key"; }

  // A raw connection to the server from the loopback address `local`; -1 when refused.
  int connectFrom(const char* local) const {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    ::inet_pton(AF_INET, local, &address.sin_addr);
    EXPECT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0) << local;
    address.sin_port = htons(std::uint16_t(server_->port()));
    ::inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    return -1;
  }

  fs::path folder_;
  const orderserver::KeyPair keys_ = orderserver::makeKeyPair().value();
  std::unique_ptr<orderserver::OrderServer> server_;
  std::thread thread_;
  std::mutex logMutex_;
  std::vector<std::string> log_;
};

}  // namespace servertest
