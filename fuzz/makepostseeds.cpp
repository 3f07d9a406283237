// Writes the order server fuzzer's seed corpus: whole requests as a client
// sends them. The order is the one the posting page posts, in a browser's
// multipart form (sized and chunked), urlencoded, and after a text's fetch
// on a kept-alive connection.

#include "ordering/postingpage.h"
#include "tests/support/postedorder.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Fields = testsupport::FormFields;

constexpr std::string_view kBoundary = "----formboundaryq7MA4YWxkTrZu0gW";
constexpr std::size_t kChunkBytes = 1000;
constexpr std::string_view kNumber = "ANBEL120720260101AM";
// A design's first rows: the server keeps the design without reading it, and a short seed fuzzes faster.
constexpr std::string_view kDesignRows = "1.2.0\r\n 192\r\n 3.25E-02\r\n-.5\r\n";

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

  const Fields fields = testsupport::postedOrder(kDesignRows, kNumber);
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
