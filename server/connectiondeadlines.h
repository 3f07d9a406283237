#pragma once
// A whole-request deadline for every open connection: a connection whose
// request (headers and body) has not been answered in time is shut down,
// however steadily it trickles bytes. A thread of its own watches the clock.

#include <chrono>
#include <condition_variable>
#include <list>
#include <mutex>
#include <thread>

namespace orderserver {

class ConnectionDeadlines {
 public:
  using Clock = std::chrono::steady_clock;
  struct Entry {
    int fd;
    Clock::time_point deadline;
  };

  explicit ConnectionDeadlines(Clock::duration allowed);
  ~ConnectionDeadlines();
  ConnectionDeadlines(const ConnectionDeadlines&) = delete;
  ConnectionDeadlines& operator=(const ConnectionDeadlines&) = delete;

  // A new connection's first request starts now.
  Entry* add(int fd);
  // The connection was answered: its next request starts now.
  void restart(Entry* entry);
  // Called before the connection's socket is closed.
  void remove(Entry* entry);

 private:
  void watch(std::stop_token stop);

  const Clock::duration allowed_;
  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::list<Entry> entries_;
  std::jthread watcher_;
};

}  // namespace orderserver
