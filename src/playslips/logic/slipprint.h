#pragma once
// The playslip printing run as plain data: every entry of an entry file onto the boards of the
// game's playslips, one print job per playslip. Every number of every entry is checked before
// anything is drawn, so a slip is never printed with numbers missing.
#include <vector>

#include <QString>

#include "playslips/logic/globaladjust.h"
#include "playslips/logic/markprint.h"
#include "playslips/logic/markstyle.h"
#include "playslips/logic/playslipconfig.h"
#include "shared/drawrecord.h"

struct SlipGame {
    int mainPerEntry = 0;   // main numbers of an entry, ball1 ..
    int bonusPerEntry = 0;  // 0 or 1: the extra number is marked too
    // The game's extra ball comes from the main pool: it is marked at the main set's positions,
    // in their orientation, as the configuration window keeps no extra positions for it.
    bool extraFromMainPool = false;
};

struct SlipPrint {
    QString message;             // why nothing is printed; empty when the jobs are
    std::vector<MarkPage> jobs;  // one per playslip, boards A, B ... in entry order
    int length = 0;              // the mark length used, in twips
};

// The jobs for the first `count` entries of the image. The marks are the stored positions
// (millimetres x 56.82) moved by the adjustment (twips), each running `length` twips to the
// right when its set is horizontal, else down.
SlipPrint playslipJobs(const PlayslipConfig& config, const DrawImage& entries, int count,
                       const SlipGame& game, AdjustTwips adjust);
