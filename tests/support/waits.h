#pragma once
// Playing a child window's part while its opener waits. The opener's wait loop is below the
// child's part on the stack, so the part must not wait itself (the opener could not move on);
// it looks again on each later pass of the event loop instead.
#include <chrono>
#include <functional>

#include <QObject>

// A limit a test leaves long: no busy machine reaches it, so only the fault it stands for does.
inline constexpr std::chrono::milliseconds kPatientWait{30000};
// How far past its limit something may end on a machine loaded to twice its cores.
inline constexpr std::chrono::milliseconds kBusyMachineSlack{4000};
// The wait for a child process (a helper program, the scheduler): only one that hangs meets it.
inline constexpr int kChildProcessWaitMs = 10 * 60 * 1000;

// Runs `action` on the first pass of the event loop at which `condition` holds. When it never
// does, the case fails after `timeout` and the action runs anyway, so that the opener returns.
void whenTrue(QObject* context, std::function<bool()> condition, std::function<void()> action,
              std::chrono::milliseconds timeout = kPatientWait);
