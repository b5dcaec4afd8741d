#pragma once
// The printer system over the platform's print support.
#include <memory>

#include "platform/printer.h"

namespace platform {

std::unique_ptr<PrinterSystem> makeQtPrinterSystem();

}  // namespace platform
