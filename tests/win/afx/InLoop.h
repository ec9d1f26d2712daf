// Steps that run from inside whichever message loop this thread is in at the time (a modal
// dialog's, a message box's), the way a user's actions would arrive there: by thread timers.
#pragma once

#include <functional>
#include <string>

// Runs the step at the next turn of the running loop.
void RunSoon(std::function<void()> step);
// Polls until ready() holds, then runs the step. After a few seconds it records a test failure
// naming `what` and runs the step all the same, so that the test still ends its dialogs.
void RunWhen(std::function<bool()> ready, std::function<void()> step, const std::string& what);
// Drops every step still waiting, so none outlives its test.
void CancelPendingSteps();
