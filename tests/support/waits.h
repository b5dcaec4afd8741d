#pragma once
// Playing a child window's part while its opener waits. The opener's wait loop is below the
// child's part on the stack, so the part must not wait itself (the opener could not move on);
// it looks again on each later pass of the event loop instead.
#include <chrono>
#include <functional>

#include <QObject>

// Runs `action` on the first pass of the event loop at which `condition` holds. When it never
// does, the case fails after `timeout` and the action runs anyway, so that the opener returns.
void whenTrue(QObject* context, std::function<bool()> condition, std::function<void()> action,
              std::chrono::milliseconds timeout = std::chrono::seconds(5));
