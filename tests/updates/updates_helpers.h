#pragma once
// Tests of the update windows: the windows registered, the data folder and date order set as the
// main window leaves them, and each window opened as the main window's menu opens it.
#include "support/kestrovatest.h"
#include "updates/Form10.h"
#include "updates/RDL.h"

class UpdatesTest : public KestrovaTest {
protected:
    void SetUp() override;

    // The window opened with the main window disabled behind it, as its menu item leaves it.
    RDL& openRDL();
    Form10& openForm10();
    // A results history of n draws, one every other day from 1 March 2012.
    static QByteArray history(int n, int firstBall = 1);
};
