#include "app/wheelmenu.h"

#include <stdexcept>

#include "wheels/design/wheeltable.h"

const std::array<WheelMenuItem, 24>& wheelMenuItems() {
    static const std::array<WheelMenuItem, 24> items = [] {
        std::array<WheelMenuItem, 24> out{};
        std::size_t i = 0;
        for (int k = 7; k >= 4; --k) {
            for (const wheeldesign::WheelType* t : wheeldesign::wheelTypesOf(k)) {
                // The main window holds one menu item per wheel type.
                if (i == out.size()) {
                    throw std::logic_error("more wheel types than Wheels > Open items");
                }
                out[i++] = {t->k, t->d, t->m, t->type,
                            QStringLiteral("Guarantee Match %1 if %2 Picked from Group")
                                .arg(t->m)
                                .arg(t->d)};
            }
        }
        if (i != out.size()) {
            throw std::logic_error("fewer wheel types than Wheels > Open items");
        }
        return out;
    }();
    return items;
}

QString wheelEntryFileName(const QString& gamename, int k, int d, int m) {
    return gamename + QString::fromStdString(wheeldesign::wheelEntryFileSuffix(k, d, m));
}
