#include "server/connectiondeadlines.h"

#include <sys/socket.h>

namespace orderserver {
namespace {

// How often the deadlines are checked: a fraction of any sensible deadline.
constexpr auto kCheckInterval = std::chrono::milliseconds(100);

}  // namespace

ConnectionDeadlines::ConnectionDeadlines(Clock::duration allowed)
    : allowed_(allowed), watcher_([this](std::stop_token stop) { watch(stop); }) {}

ConnectionDeadlines::~ConnectionDeadlines() {
  watcher_.request_stop();
  watcher_.join();
}

ConnectionDeadlines::Entry* ConnectionDeadlines::add(int fd) {
  const std::lock_guard lock(mutex_);
  return &entries_.emplace_back(Entry{fd, Clock::now() + allowed_});
}

void ConnectionDeadlines::restart(Entry* entry) {
  const std::lock_guard lock(mutex_);
  entry->deadline = Clock::now() + allowed_;
}

void ConnectionDeadlines::remove(Entry* entry) {
  const std::lock_guard lock(mutex_);
  entries_.remove_if([entry](const Entry& e) { return &e == entry; });
}

void ConnectionDeadlines::watch(std::stop_token stop) {
  std::unique_lock lock(mutex_);
  while (!stop.stop_requested()) {
    wake_.wait_for(lock, stop, kCheckInterval, [] { return false; });
    const Clock::time_point now = Clock::now();
    // The socket is still open: its entry goes before the server closes it.
    for (const Entry& entry : entries_)
      if (entry.deadline < now) ::shutdown(entry.fd, SHUT_RDWR);
  }
}

}  // namespace orderserver
