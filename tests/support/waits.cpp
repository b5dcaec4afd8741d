#include "support/waits.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QTimer>

namespace {

void poll(QObject* context, std::function<bool()> condition, std::function<void()> action,
          QDeadlineTimer deadline) {
    QTimer::singleShot(0, context, [=] {
        if (condition()) {
            action();
        } else if (deadline.hasExpired()) {
            ADD_FAILURE() << "The condition a child window waited for never held";
            action();
        } else {
            poll(context, condition, action, deadline);
        }
    });
}

}  // namespace

void whenTrue(QObject* context, std::function<bool()> condition, std::function<void()> action,
              std::chrono::milliseconds timeout) {
    poll(context, std::move(condition), std::move(action), QDeadlineTimer(timeout));
}
