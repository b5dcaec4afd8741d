// Registration: the stand-in of a window that is not built yet gives way to the real window as
// soon as its subsystem registers it, whichever of the two registrations runs first.
#include <gtest/gtest.h>

#include "app/app_helpers.h"
#include "app/standin_helpers.h"
#include "app/windownames.h"
#include "platform/windows.h"

namespace {

class Form12 : public platform::Form {
public:
    Form12() : platform::Form(windownames::Form12) {}
};

}  // namespace

TEST_F(MainWindowTest, ASubsystemsWindowReplacesItsStandInForGood) {
    using platform::Windows;
    ASSERT_NE(Windows::get<StandInForm>(windownames::Form12), nullptr);
    Windows::unload(windownames::Form12);

    Windows::registerWindow<Form12>(windownames::Form12);
    registerStandInWindows();  // as a later set-up may run it again
    EXPECT_NE(Windows::get<Form12>(windownames::Form12), nullptr);
    EXPECT_EQ(Windows::live<StandInForm>(windownames::Form12), nullptr);
}
