// Waiting for the program under test: polling with short sleeps, never a blind sleep.
#pragma once

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>

namespace ui {

using Ms = std::chrono::milliseconds;

// Long enough for a cold start of a program under Wine.
inline constexpr Ms kTimeout{10000};

// Thrown when a wait runs out; gtest reports the text as the failure of the test.
struct TimeoutError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Handles whatever was sent or posted to this thread, such as the help spy's messages.
void PumpMessages();

// Polls `done` until it holds, pumping messages between polls; tells whether it came to hold
// before `timeout` passed.
bool PollUntil(const std::function<bool()>& done, Ms timeout = kTimeout);

// As PollUntil, but throws TimeoutError naming `what` when the time runs out.
void WaitUntil(const std::function<bool()>& done, const std::string& what, Ms timeout = kTimeout);

// Polls `find` until it gives a non-null value, and returns that value.
template <class Find>
auto WaitFor(Find find, const std::string& what, Ms timeout = kTimeout) -> decltype(find()) {
  decltype(find()) found{};
  WaitUntil([&] { return (found = find()) != decltype(found){}; }, what, timeout);
  return found;
}

// Polls `get` until it gives `want`, and returns the last value it gave: `want`, or what
// stood when the time ran out, for the test to compare and report.
template <class Get, class T>
auto Eventually(Get get, const T& want, Ms timeout = kTimeout) -> decltype(get()) {
  decltype(get()) last = get();
  PollUntil([&] { return (last = get()) == want; }, timeout);
  return last;
}

}  // namespace ui
