#pragma once
// What the ball row of the main window shows, for the draw tests.
#include <QImage>
#include <QLabel>

#include "app/Form1.h"
#include "app/ballpictures.h"

namespace balls {

// The boxes of the ball row that are shown, as a bit per element (element 0 = bit 0).
inline int shownBoxes(const Form1& form) {
    int bits = 0;
    for (int i = 0; i < 7; ++i) {
        if (!form.Image2[i]->isHidden()) {
            bits |= 1 << i;
        }
    }
    return bits;
}

// Whether box i shows picture k of the set.
inline bool shows(const Form1& form, int i, const ImageList& set, int k) {
    return form.Image2[i]->pixmap().toImage() == set.picture(k).toImage();
}

inline bool showsNothing(const Form1& form, int i) {
    return form.Image2[i]->pixmap().isNull();
}

}  // namespace balls
