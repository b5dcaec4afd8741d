#pragma once
// A test fixture over Base whose suite prints through one private print queue, started once for
// the process (the print support keeps the first server it was given); each test is skipped
// where no such queue can run.
#include <memory>

#include <gtest/gtest.h>

#include <QString>

#include "platform/printer.h"
#include "support/printqueue.h"

template <typename Base>
class WithPrintQueue : public Base {
protected:
    static void SetUpTestSuite() {
        if (!PrivatePrintQueue::unavailable()) {
            queue_ = std::make_unique<PrivatePrintQueue>();
            startFailure_ = queue_->start();
        }
    }
    static void TearDownTestSuite() { queue_.reset(); }

    void SetUp() override {
        Base::SetUp();
        if (const auto why = PrivatePrintQueue::unavailable()) {
            GTEST_SKIP() << "No private print queue: " << why->toStdString();
        }
        ASSERT_TRUE(startFailure_.isEmpty()) << startFailure_.toStdString();
        platform::setPrinterSystem({});  // the system's printers, not the recording one
    }
    // Whether SetUp left the test to run.
    bool ready() const { return !this->IsSkipped() && !this->HasFatalFailure(); }

    inline static std::unique_ptr<PrivatePrintQueue> queue_;
    inline static QString startFailure_;
};
