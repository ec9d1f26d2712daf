#include "InLoop.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <utility>

namespace {

constexpr UINT kPollMs = 10;
constexpr std::chrono::seconds kPatience{5};

struct Pending {
  std::function<bool()> ready;
  std::function<void()> step;
  std::string what;
  std::chrono::steady_clock::time_point deadline;
};

std::map<UINT_PTR, Pending>& PendingSteps() {
  static std::map<UINT_PTR, Pending> steps;
  return steps;
}

void CALLBACK Poll(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = PendingSteps().find(id);
  if (found == PendingSteps().end()) return;
  const bool ready = found->second.ready();
  const bool late = std::chrono::steady_clock::now() > found->second.deadline;
  if (!ready && !late) return;
  // Taken out before it runs: a step may run a nested loop that polls the others.
  ::KillTimer(nullptr, id);
  Pending pending = std::move(found->second);
  PendingSteps().erase(found);
  if (!ready) ADD_FAILURE() << "timed out waiting for " << pending.what;
  pending.step();
}

}  // namespace

void RunSoon(std::function<void()> step) {
  RunWhen([] { return true; }, std::move(step), "the next turn of the loop");
}

void RunWhen(std::function<bool()> ready, std::function<void()> step, const std::string& what) {
  const UINT_PTR id = ::SetTimer(nullptr, 0, kPollMs, &Poll);
  ASSERT_NE(id, 0u) << "no timer for " << what;
  PendingSteps()[id] = {std::move(ready), std::move(step), what,
                        std::chrono::steady_clock::now() + kPatience};
}

void CancelPendingSteps() {
  for (const auto& entry : PendingSteps()) ::KillTimer(nullptr, entry.first);
  PendingSteps().clear();
}
