#include "wheels/wheelwindows.h"

#include <memory>

#include "platform/windows.h"
#include "wheels/WheelForm.h"
#include "wheels/logic/wheelvariant.h"

void registerWheelWindows() {
    for (const wheels::WheelVariant& variant : wheels::wheelVariants()) {
        const int k = variant.k;
        platform::Windows::registerWindow(variant.name,
                                          [k] { return std::make_unique<WheelForm>(k); });
    }
}
