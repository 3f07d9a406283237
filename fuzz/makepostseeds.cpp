// Writes the order server fuzzer's seed corpus: whole requests as a client
// sends them. The order is the one the posting page posts, in a browser's
// multipart form (sized and chunked), urlencoded, and after a text's fetch
// on a kept-alive connection.

#include "ordering/ordercipher.h"
#include "ordering/postingpage.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

constexpr std::string_view kBoundary = "----formboundaryq7MA4YWxkTrZu0gW";
constexpr std::size_t kChunkBytes = 1000;
constexpr std::string_view kNumber = "ANBEL120720260101AM";

std::string orderText() {
  return "1.2.0\r\n 192\r\n 3.25E-02\r\n-.5\r\nAnna\r\nMaria\r\nBerg\r\n12 Main St.\r\n\r\nSalem\r\nOregon \r\n"
         "97301\r\n555-0100\r\nanna_b@mail.example\r\nVisa\r\n-4111111111111111-\r\n07\r\n2012\r\n123\r\n" +
         std::string(kNumber) + "\r\n 45\r\n0\r\n0.00\r\n 45\r\n";
}

// The page's six fields with the message as its form holds it.
Fields orderFields() {
  const std::string number(kNumber);
  const ordering::PostingPageFields shown{"Anna", "Maria", "Berg", "anna_b@mail.example", "555-0100", number,
                                          ordering::kFullSizePlans};
  const std::string page = ordering::GenerateHTML(
      ordering::FileEncrypt(orderText(), ordering::kAlphabet, ordering::kKeyTable), shown, "http://127.0.0.1");
  const std::string start = "name=message value='";
  const std::size_t from = page.find(start) + start.size();
  const std::string message = page.substr(from, page.find("' />\r\n<input type='submit'") - from);
  return {{"custname", "Anna Berg"}, {"fromemail", "anna_b@mail.example"}, {"ordernum", number},
          {"subject", "Anna Berg - " + number}, {"message", message}, {"submit", "Place Order"}};
}

std::string multipartBody(const Fields& fields) {
  std::string body;
  for (const auto& [name, value] : fields)
    body += "--" + std::string(kBoundary) + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" +
            value + "\r\n";
  return body + "--" + std::string(kBoundary) + "--\r\n";
}

std::string urlencodedBody(const Fields& fields) {
  std::string body;
  for (const auto& [name, value] : fields) {
    body += (body.empty() ? "" : "&") + name + "=";
    for (const unsigned char c : value) {
      if (std::isalnum(c)) body += char(c);
      else if (c == ' ') body += '+';
      else body += {'%', "0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    }
  }
  return body;
}

std::string chunked(std::string_view body) {
  std::string out;
  for (std::size_t at = 0; at < body.size(); at += kChunkBytes) {
    const std::string_view chunk = body.substr(at, kChunkBytes);
    char size[16];
    std::snprintf(size, sizeof size, "%zx\r\n", chunk.size());
    out += size + std::string(chunk) + "\r\n";
  }
  return out + "0\r\n\r\n";
}

std::string postHead(std::string_view type, std::string_view length) {
  return "POST " + std::string(ordering::kOrderScriptPath) + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: " +
         std::string(type) + "\r\n" + std::string(length) + "\r\n\r\n";
}

std::string sized(std::string_view type, std::string_view body) {
  return postHead(type, "Content-Length: " + std::to_string(body.size())) + std::string(body);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: makepostseeds <folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  auto put = [&](const char* name, const std::string& text) { std::ofstream(folder / name, std::ios::binary) << text; };

  const Fields fields = orderFields();
  const std::string multipart = "multipart/form-data; boundary=" + std::string(kBoundary);
  const std::string body = multipartBody(fields);
  const std::string fetch = "GET /price.txt HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
  put("order-multipart", sized(multipart, body));
  put("order-chunked", postHead(multipart, "Transfer-Encoding: chunked") + chunked(body));
  put("order-urlencoded", sized("application/x-www-form-urlencoded", urlencodedBody(fields)));
  put("fetch-then-order", fetch + sized(multipart, body));
  put("fetch", fetch);
  return 0;
}
