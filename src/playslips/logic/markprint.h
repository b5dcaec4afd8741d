#pragma once
// The marks of the two test prints as plain data: lines in twips from the top-left corner of the
// printable area, one page each, drawn with one line width.
#include <array>
#include <vector>

#include <QString>

#include "playslips/logic/playslipconfig.h"

struct MarkLine {
    double x1, y1, x2, y2;
    bool operator==(const MarkLine&) const = default;
};

struct MarkPage {
    int width = 0;  // DrawWidth
    std::vector<MarkLine> lines;
};

// The marks of the boxes on screen (unsaved edits included): ball b's X and Y are boxes 2b - 2
// and 2b - 1, in millimetres, each rounded to a whole twip (halves to even); a ball whose X or Y
// rounds below 1 twip has no mark. Marks run `length` twips to the right when horizontal, else
// down.
MarkPage currentBoardMarks(const std::array<QString, 130>& boxes, bool horizontal, int width,
                           int length);

struct LayoutPrint {
    QString message;  // why nothing is printed; empty when the page is
    MarkPage page;
};
// Every stored mark of every board, main set then extra set, each set in its own orientation,
// moved by the global adjustment (twips). A position with X and Y both 0 is skipped. Refused
// when no board count is stored, or ball 1 of Board A has no main position.
LayoutPrint layoutMarks(const PlayslipConfig& config, float adjusthorizontal, float adjustvertical,
                        const QString& notSetUp, const QString& firstBallMissing);
