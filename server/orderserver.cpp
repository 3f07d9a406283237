#include "server/orderserver.h"

#include "model/file/textfile.h"
#include "ordering/postingpage.h"

#include <httplib.h>

#include <sys/socket.h>

#include <algorithm>
#include <filesystem>

namespace orderserver {
namespace {

constexpr int kBadRequest = 400;
constexpr int kNotFound = 404;
constexpr int kUnsupportedMediaType = 415;
constexpr int kServiceUnavailable = 503;
constexpr std::uintmax_t kMaxTextBytes = 1 << 20;
constexpr const char* kHtml = "text/html; charset=ISO-8859-1";
// The program reads the texts as Latin-1.
constexpr const char* kText = "text/plain; charset=ISO-8859-1";

std::string page(std::string_view text) {
  return "<html><body><p>" + ordering::escapeHtml(text) + "</p></body></html>\r\n";
}

std::map<std::string, std::string, std::less<>> formFields(const httplib::Request& request) {
  std::map<std::string, std::string, std::less<>> fields;
  for (const auto& [name, item] : request.files) fields.emplace(name, item.content);
  return fields;
}

bool isServedText(std::string_view name) {
  return std::ranges::find(kServedTexts, name) != std::end(kServedTexts);
}

}  // namespace

OrderServer::OrderServer(const ServerOptions& options, LogSink log)
    : options_(options), log_(std::move(log)) {}

OrderServer::~OrderServer() = default;

std::unique_ptr<OrderServer> OrderServer::start(const ServerOptions& options, LogSink log,
                                                std::string& error) {
  if (!std::filesystem::is_directory(options.textFolder)) {
    error = "the text folder " + options.textFolder + " does not exist";
    return nullptr;
  }
  std::unique_ptr<OrderServer> server(new OrderServer(options, std::move(log)));
  server->store_ = OrderStore::open(options.storePath, error);
  if (!server->store_) return nullptr;
  if (options.certFile.empty()) {
    server->http_ = std::make_unique<httplib::Server>();
  } else {
    server->http_ = std::make_unique<httplib::SSLServer>(options.certFile.c_str(),
                                                         options.keyFile.c_str());
  }
  if (!server->http_->is_valid()) {
    error = "cannot load the certificate " + options.certFile + " or the key " + options.keyFile;
    return nullptr;
  }
  server->route();
  // The library listens with a backlog of 5, which refuses bursts of buyers;
  // listening again on the bound socket raises it.
  socket_t listening = -1;
  server->http_->set_socket_options([&listening](socket_t socket) {
    httplib::default_socket_options(socket);
    listening = socket;
  });
  if (options.port == 0) {
    server->port_ = server->http_->bind_to_any_port(options.host);
  } else if (server->http_->bind_to_port(options.host, options.port)) {
    server->port_ = options.port;
  }
  if (server->port_ <= 0 || ::listen(listening, SOMAXCONN) != 0) {
    error = "cannot listen on " + options.host + ":" + std::to_string(options.port);
    return nullptr;
  }
  return server;
}

bool OrderServer::run() { return http_->listen_after_bind(); }

void OrderServer::stop() { http_->stop(); }

void OrderServer::route() {
  http_->set_payload_max_length(kMaxPostBytes);
  http_->Get(R"(/([A-Za-z0-9]+\.txt))", [this](const httplib::Request& request,
                                                httplib::Response& response) {
    const std::string name = request.matches[1];
    const auto text = isServedText(name)
                          ? model::readTextFile(std::filesystem::path(options_.textFolder) / name,
                                                kMaxTextBytes)
                          : std::nullopt;
    if (!text) {
      response.status = kNotFound;
      return;
    }
    response.set_content(*text, kText);
  });
  http_->Post(std::string(ordering::kOrderScriptPath), [this](const httplib::Request& request,
                                                              httplib::Response& response) {
    if (!request.is_multipart_form_data()) {
      log_("refused a post: not multipart/form-data");
      response.status = kUnsupportedMediaType;
      response.set_content(page("The order must be posted as multipart/form-data."), kHtml);
      return;
    }
    const PostReading reading = readPostedOrder(formFields(request));
    if (!reading.refusal.empty()) {
      log_("refused a post: " + reading.refusal);
      response.status = kBadRequest;
      response.set_content(page("The order was not accepted: " + reading.refusal + "."), kHtml);
      return;
    }
    std::string error;
    const long long id = store_->add(reading.order, error);
    if (id == 0) {
      log_("could not store an order: " + error);
      response.status = kServiceUnavailable;
      response.set_content(page("The order could not be stored. Please try again later."), kHtml);
      return;
    }
    log_("stored order " + std::to_string(id));
    response.set_content(page("Thank you. Your order " + reading.order.orderNumber +
                              " has been received."),
                         kHtml);
  });
  http_->set_error_handler([](const httplib::Request&, httplib::Response& response) {
    if (response.body.empty())
      response.set_content(page("Error " + std::to_string(response.status)), kHtml);
  });
}

}  // namespace orderserver
