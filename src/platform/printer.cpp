#include "platform/printer.h"

#include "platform/qtprinter.h"

namespace platform {
namespace {
std::unique_ptr<PrinterSystem>& installed() {
    static std::unique_ptr<PrinterSystem> system;
    return system;
}
}  // namespace

PrinterSystem& printers() {
    if (!installed()) {
        installed() = makeQtPrinterSystem();
    }
    return *installed();
}

void setPrinterSystem(std::unique_ptr<PrinterSystem> system) {
    installed() = std::move(system);
}

}  // namespace platform
