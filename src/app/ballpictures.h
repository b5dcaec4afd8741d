#pragma once
// The picture sets of the ball row, painted by the program itself on first use: white balls
// (ImageList1), red balls (ImageList2), both numbered 1..65, and the 16 playing cards of the
// card game (ImageList3) in card-code order.
#include <vector>

#include <QPixmap>

class ImageList {
public:
    explicit ImageList(std::vector<QPixmap> pictures) : pictures_(std::move(pictures)) {}

    int count() const { return static_cast<int>(pictures_.size()); }
    // Picture k, counted from 1; a null pixmap when the set has no picture k.
    QPixmap picture(int k) const;

private:
    std::vector<QPixmap> pictures_;
};

inline constexpr int kBallPictureSize = 36;

const ImageList& ImageList1();  // white balls
const ImageList& ImageList2();  // red balls
const ImageList& ImageList3();  // playing cards
