#pragma once
// A running order server on 127.0.0.1 for the tests, its texts and store in a
// fresh temporary folder, and orders posted as the posting page posts them.

#include "ordering/ordercipher.h"
#include "ordering/postingpage.h"
#include "server/orderserver.h"

#include <httplib.h>

#include <gtest/gtest.h>

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
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("quillock-" + test + "-" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    for (const auto& [name, text] : serverTexts()) writeFile(folder_ / name, text);
  }

  void TearDown() override {
    stopServer();
    fs::remove_all(folder_);
  }

  void startServer() {
    orderserver::ServerOptions options;
    options.textFolder = folder_.string();
    options.storePath = storePath().string();
    options.port = 0;
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

  // An order posted to the running server on a fresh connection.
  httplib::Result post(const httplib::MultipartFormDataItems& form) const {
    httplib::Client c("127.0.0.1", server_->port());
    c.set_connection_timeout(5);
    c.set_read_timeout(10);
    return c.Post(std::string(ordering::kOrderScriptPath), form);
  }

  std::vector<orderserver::StoredOrder> storedOrders() const {
    std::string error;
    const auto store = orderserver::OrderStore::open(storePath().string(), error);
    EXPECT_TRUE(store) << error;
    return store ? store->all() : std::vector<orderserver::StoredOrder>{};
  }

  fs::path storePath() const { return folder_ / "orders.sqlite"; }

  fs::path folder_;
  std::unique_ptr<orderserver::OrderServer> server_;
  std::thread thread_;
  std::mutex logMutex_;
  std::vector<std::string> log_;
};

}  // namespace servertest
