#include "wheels/wheelwindows.h"

#include <memory>

#include "app/windownames.h"
#include "platform/windows.h"
#include "wheels/WheelForm.h"
#include "wheels/logic/wheelvariant.h"

QString wheelWindowName(int k) {
    switch (k) {
        case 4:
            return windownames::wheel4;
        case 5:
            return windownames::Wheel5;
        case 6:
            return windownames::wheel6;
        case 7:
            return windownames::wheel7;
        default:
            return {};
    }
}

void registerWheelWindows() {
    for (const wheels::WheelVariant& variant : wheels::wheelVariants()) {
        const int k = variant.k;
        platform::Windows::registerWindow(wheelWindowName(k),
                                          [k] { return std::make_unique<WheelForm>(k); });
    }
}
