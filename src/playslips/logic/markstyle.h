#pragma once
// The pen a stored setting stands for: a width or length never saved (0) is drawn as the
// configuration window shows it, Recommended and Medium.
#include "playslips/logic/playslipconfig.h"

inline int effectiveWidth(const PlayslipConfig& config) {
    return config.width() == 0 ? 25 : config.width();
}
inline int effectiveLength(const PlayslipConfig& config) {
    return config.length() == 0 ? 150 : config.length();
}
