#include "server/orderserver.h"

#include "model/file/textfile.h"
#include "ordering/postingpage.h"
#include "server/connectiondeadlines.h"
#include "server/tlsfiles.h"

#include <gnutls/gnutls.h>
#include <microhttpd.h>

#include <netdb.h>
#include <sys/socket.h>
#include <strings.h>

#include <algorithm>
#include <cinttypes>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <map>

namespace orderserver {

// One post's fields as the library's form reader hands them over.
struct PostInProgress {
  ~PostInProgress() {
    if (reader) MHD_destroy_post_processor(reader);
  }
  MHD_PostProcessor* reader = nullptr;
  std::map<std::string, std::string, std::less<>> fields;
  std::size_t received = 0;
  bool unreadable = false;
};

namespace {

constexpr unsigned kOk = 200;
constexpr unsigned kBadRequest = 400;
constexpr unsigned kNotFound = 404;
constexpr unsigned kPayloadTooLarge = 413;
constexpr unsigned kUnsupportedMediaType = 415;
constexpr unsigned kServiceUnavailable = 503;
constexpr std::uintmax_t kMaxTextBytes = 1 << 20;
// Headers and the form reader's buffer share it; bodies are held apart.
constexpr std::size_t kConnectionMemory = 32 * 1024;
constexpr std::size_t kFormReaderBuffer = 8 * 1024;
constexpr unsigned kThreads = 8;
// Room for any of the HTTP library's messages, a reason from the system included.
constexpr std::size_t kLibraryMessageBytes = 512;
constexpr std::string_view kMultipart = "multipart/form-data";
// The posting page is UTF-8, so its browser posts the order number as UTF-8.
constexpr const char* kHtml = "text/html; charset=UTF-8";
// The program reads the texts as Latin-1.
constexpr const char* kText = "text/plain; charset=ISO-8859-1";

std::string page(std::string_view text) {
  return "<html><body><p>" + ordering::escapeHtml(text) + "</p></body></html>\r\n";
}

// Queues the answer; `close` ends the connection after it, as after a refusal
// with part of the body still unread.
int reply(MHD_Connection* connection, unsigned status, std::string_view body, const char* type,
          bool close = false) {
  MHD_Response* response =
      MHD_create_response_from_buffer(body.size(), const_cast<char*>(body.data()), MHD_RESPMEM_MUST_COPY);
  if (!response) return MHD_NO;
  MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, type);
  if (close) MHD_add_response_header(response, MHD_HTTP_HEADER_CONNECTION, "close");
  const MHD_Result queued = MHD_queue_response(connection, status, response);
  MHD_destroy_response(response);
  return queued;
}

int refuse(MHD_Connection* connection, unsigned status, std::string_view text) {
  return reply(connection, status, page(text), kHtml, true);
}

std::string_view header(MHD_Connection* connection, const char* name) {
  const char* value = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name);
  return value ? value : "";
}

// The body's announced size; 0 when chunked or not given.
std::uintmax_t announcedLength(MHD_Connection* connection) {
  return std::strtoumax(header(connection, MHD_HTTP_HEADER_CONTENT_LENGTH).data(), nullptr, 10);
}

bool isServedText(std::string_view name) {
  return std::ranges::find(kServedTexts, name) != std::end(kServedTexts);
}

// Writes `answer` on the connection outside the library, through TLS when
// the connection has it; a short answer fits the idle socket's buffer.
void sendBeforeClosing(MHD_Connection* connection, std::string_view answer) {
  const auto* tls = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_GNUTLS_SESSION);
  if (tls && tls->tls_session) {
    gnutls_record_send(static_cast<gnutls_session_t>(tls->tls_session), answer.data(), answer.size());
    return;
  }
  const int fd = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd;
  if (::send(fd, answer.data(), answer.size(), MSG_NOSIGNAL | MSG_DONTWAIT) == ssize_t(answer.size()))
    ::shutdown(fd, SHUT_WR);
}

// A part the reader hands over without a name (no headers, no name=, a NUL
// before it) is no field of the form: the post is refused as unreadable.
MHD_Result takeField(void* post, MHD_ValueKind, const char* name, const char*, const char*, const char*,
                     const char* data, uint64_t, size_t size) {
  if (!name) return MHD_NO;
  static_cast<PostInProgress*>(post)->fields[name].append(data, size);
  return MHD_YES;
}

MHD_Result onRequest(void* server, MHD_Connection* connection, const char* url, const char* method, const char*,
                     const char* upload, size_t* uploadSize, void** request) {
  return static_cast<OrderServer*>(server)->answer(connection, url, method, upload, uploadSize, request) == MHD_YES
             ? MHD_YES
             : MHD_NO;
}

void onRequestEnded(void* server, MHD_Connection* connection, void** request, MHD_RequestTerminationCode) {
  static_cast<OrderServer*>(server)->requestEnded(connection, request);
}

void onConnection(void* server, MHD_Connection* connection, void** context, MHD_ConnectionNotificationCode code) {
  static_cast<OrderServer*>(server)->connectionChanged(connection, context, code == MHD_CONNECTION_NOTIFY_STARTED);
}

void onLibraryMessage(void* server, const char* format, va_list arguments) {
  static_cast<OrderServer*>(server)->libraryMessage(format, arguments);
}

std::optional<std::string> readWhole(const std::string& path) {
  return model::readTextFile(path, kMaxTextBytes);
}

}  // namespace

OrderServer::OrderServer(const ServerOptions& options, LogSink log)
    : options_(options), log_(std::move(log)) {}

OrderServer::~OrderServer() {
  if (daemon_) MHD_stop_daemon(daemon_);
  // A store moved or replaced since the last post is logged as a post finds
  // it; one lost before gets a last try at keeping its orders.
  if (store_) storeStillThere(true);
}

std::unique_ptr<OrderServer> OrderServer::start(const ServerOptions& options, LogSink log,
                                                std::string& error) {
  std::error_code unreachable;
  if (!std::filesystem::is_directory(options.textFolder, unreachable)) {
    error = "the text folder " + options.textFolder + " does not exist" +
            (unreachable ? " or cannot be reached: " + unreachable.message() : "");
    return nullptr;
  }
  std::unique_ptr<OrderServer> server(new OrderServer(options, std::move(log)));
  const auto key = readKeyFile(options.publicKeyFile, error);
  if (!key) return nullptr;
  server->publicKey_ = *key;
  if (!options.certFile.empty()) {
    const auto cert = readTlsFile("certificate", options.certFile, error);
    const auto secret = cert ? readTlsFile("key", options.keyFile, error) : std::nullopt;
    if (!secret) return nullptr;
    error = tlsRefusal(*cert, *secret);
    if (!error.empty()) return nullptr;
    server->cert_ = cert->text, server->key_ = secret->text;
  }
  server->store_ = OrderStore::open(options.storePath, error);
  if (!server->store_ || !server->listen(error)) return nullptr;
  return server;
}

bool OrderServer::listen(std::string& error) {
  error = "cannot listen on " + options_.host + ":" + std::to_string(options_.port);
  addrinfo hints{};
  hints.ai_flags = AI_NUMERICSERV;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  if (const int failed = getaddrinfo(options_.host.c_str(), std::to_string(options_.port).c_str(), &hints, &found)) {
    error += std::string(": ") + gai_strerror(failed);
    return false;
  }
  const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> address(found, freeaddrinfo);
  deadlines_ = std::make_unique<ConnectionDeadlines>(options_.requestDeadline);
  // The inter-thread channel wakes a worker for a connection handed over by serveConnection.
  unsigned flags = MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_ITC | MHD_USE_ERROR_LOG;
  if (found->ai_family == AF_INET6) flags |= MHD_USE_IPv6;
  if (!cert_.empty()) flags |= MHD_USE_TLS;
  const auto idle = static_cast<unsigned>(std::chrono::ceil<std::chrono::seconds>(options_.idleTimeout).count());
  MHD_OptionItem tls[] = {{MHD_OPTION_HTTPS_MEM_CERT, 0, cert_.data()},
                          {MHD_OPTION_HTTPS_MEM_KEY, 0, key_.data()},
                          {MHD_OPTION_HTTPS_PRIORITIES, 0, const_cast<char*>(kTlsPriorities)},
                          {MHD_OPTION_END, 0, nullptr}};
  // The logger must come first to hear of every failure; the port given beside
  // the address is only for the library's messages.
  daemon_ = MHD_start_daemon(
      flags, std::uint16_t(options_.port), nullptr, nullptr, &onRequest, this, MHD_OPTION_EXTERNAL_LOGGER,
      &onLibraryMessage, this, MHD_OPTION_SOCK_ADDR, found->ai_addr,
      MHD_OPTION_THREAD_POOL_SIZE, kThreads, MHD_OPTION_CONNECTION_LIMIT, kMaxConnections,
      MHD_OPTION_PER_IP_CONNECTION_LIMIT, kMaxConnectionsPerAddress, MHD_OPTION_CONNECTION_TIMEOUT, idle,
      MHD_OPTION_CONNECTION_MEMORY_LIMIT, kConnectionMemory, MHD_OPTION_LISTEN_BACKLOG_SIZE, SOMAXCONN,
      MHD_OPTION_NOTIFY_COMPLETED, &onRequestEnded, this, MHD_OPTION_NOTIFY_CONNECTION, &onConnection, this,
      MHD_OPTION_ARRAY, cert_.empty() ? std::end(tls) - 1 : tls, MHD_OPTION_END);
  if (!daemon_) {
    const std::lock_guard lock(mutex_);
    error += startMessages_.empty() ? "" : ": " + startMessages_;
    return false;
  }
  listening_ = true;
  port_ = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT)->port;
  error.clear();
  return true;
}

void OrderServer::libraryMessage(const char* format, va_list arguments) {
  // Once serving, its messages are about clients' connections: not logged.
  if (listening_) return;
  char text[kLibraryMessageBytes];
  if (std::vsnprintf(text, sizeof text, format, arguments) < 0) return;
  std::string_view message = text;
  while (message.ends_with('\n')) message.remove_suffix(1);
  const std::lock_guard lock(mutex_);
  startMessages_ += (startMessages_.empty() ? "" : "; ") + std::string(message);
}

bool OrderServer::run() {
  std::unique_lock lock(mutex_);
  stopped_.wait(lock, [this] { return stopping_; });
  return true;
}

void OrderServer::stop() {
  const std::lock_guard lock(mutex_);
  stopping_ = true;
  stopped_.notify_all();
}

bool OrderServer::serveConnection(int socket, const sockaddr* peer, socklen_t peerSize) {
  return MHD_add_connection(daemon_, socket, peer, peerSize) == MHD_YES;
}

void OrderServer::connectionChanged(MHD_Connection* connection, void** context, bool opened) {
  if (opened) {
    const int fd = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD)->connect_fd;
    *context = deadlines_->add(fd);
  } else if (*context) {
    deadlines_->remove(static_cast<ConnectionDeadlines::Entry*>(*context));
  }
}

void OrderServer::requestEnded(MHD_Connection* connection, void** request) {
  delete static_cast<PostInProgress*>(*request);
  *request = nullptr;
  const auto* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
  if (info && info->socket_context) deadlines_->restart(static_cast<ConnectionDeadlines::Entry*>(info->socket_context));
}

int OrderServer::answer(MHD_Connection* connection, std::string_view url, std::string_view method,
                        const char* upload, std::size_t* uploadSize, void** request) {
  // A text is answered from the headers alone: the library asks once.
  if (method == MHD_HTTP_METHOD_GET) return serveText(connection, url);
  if (method != MHD_HTTP_METHOD_POST || url != ordering::kOrderScriptPath)
    return refuse(connection, kNotFound, "Error 404");

  auto* post = static_cast<PostInProgress*>(*request);
  if (!post) {  // the headers only, before any of the body
    if (announcedLength(connection) > kMaxPostBytes) return refuseTooLarge(connection, false);
    if (strncasecmp(header(connection, MHD_HTTP_HEADER_CONTENT_TYPE).data(), kMultipart.data(), kMultipart.size())) {
      log_("refused a post: not multipart/form-data");
      return refuse(connection, kUnsupportedMediaType, "The order must be posted as multipart/form-data.");
    }
    post = new PostInProgress;
    *request = post;
    post->reader = MHD_create_post_processor(connection, kFormReaderBuffer, &takeField, post);
    return post->reader ? MHD_YES : refuse(connection, kBadRequest, "The order was not accepted: no form boundary.");
  }
  if (*uploadSize == 0) return takeOrder(connection, *post);
  post->received += *uploadSize;
  if (post->received > kMaxPostBytes) return refuseTooLarge(connection, true);
  if (!post->unreadable) post->unreadable = MHD_post_process(post->reader, upload, *uploadSize) != MHD_YES;
  *uploadSize = 0;
  return MHD_YES;
}

int OrderServer::refuseTooLarge(MHD_Connection* connection, bool bodyStarted) {
  log_("refused a post: larger than " + std::to_string(kMaxPostBytes) + " bytes");
  constexpr std::string_view kTooLarge = "The order is too large.";
  if (!bodyStarted) return refuse(connection, kPayloadTooLarge, kTooLarge);
  const std::string text = page(kTooLarge);
  // The library answers only once a body has ended: the refusal goes out
  // beside it, and the connection is closed with the rest unread.
  sendBeforeClosing(connection, "HTTP/1.1 413 Payload Too Large\r\nContent-Type: " + std::string(kHtml) +
                                    "\r\nConnection: close\r\nContent-Length: " + std::to_string(text.size()) +
                                    "\r\n\r\n" + text);
  return MHD_NO;
}

int OrderServer::serveText(MHD_Connection* connection, std::string_view url) {
  const std::string_view name = url.substr(url.starts_with('/') ? 1 : 0);
  const auto text = isServedText(name) ? readWhole((std::filesystem::path(options_.textFolder) / name).string())
                                       : std::nullopt;
  if (!text) return reply(connection, kNotFound, page("Error 404"), kHtml);
  return reply(connection, kOk, *text, kText);
}

int OrderServer::takeOrder(MHD_Connection* connection, PostInProgress& post) {
  const PostReading reading = post.unreadable ? PostReading{{}, "the form cannot be read"}
                                              : readPostedOrder(post.fields);
  if (!reading.refusal.empty()) {
    log_("refused a post: " + reading.refusal);
    return refuse(connection, kBadRequest, "The order was not accepted: " + reading.refusal + ".");
  }
  constexpr std::string_view kNotStored = "The order could not be stored. Please try again later.";
  if (!storeStillThere()) return refuse(connection, kServiceUnavailable, kNotStored);
  std::string error;
  const std::string sealed = sealOrder(reading.order, publicKey_);
  const std::string fingerprint = fingerprints_.of(reading.order);
  const OrderStore::Added added =
      sealed.empty() ? OrderStore::Added{} : store_->add(reading.order.orderNumber, sealed, fingerprint, error);
  if (added.id == 0) {
    log_("could not store an order: " + error);
    return refuse(connection, kServiceUnavailable, kNotStored);
  }
  if (!storeStillThere()) return refuse(connection, kServiceUnavailable, kNotStored);
  log_((added.repeat ? "a repeat of order " : "stored order ") + std::to_string(added.id));
  return reply(connection, kOk, page("Thank you. Your order " + reading.order.orderNumber + " has been received."),
               kHtml);
}

// An order added to a store whose file was deleted or replaced is lost with
// it, so it must not be thanked for. Each later check tries again to keep the
// orders it took.
bool OrderServer::storeStillThere(bool stopping) {
  std::string news;
  if (store_->stillAtPath(news, stopping)) return true;
  if (news.empty()) return false;
  if (!storeLost_.exchange(true)) news += "; no more orders are taken until the server is restarted";
  log_(news);
  return false;
}

}  // namespace orderserver
