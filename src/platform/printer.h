#pragma once
// The printers of the system and the drawing on the current one. A print job opens with the
// first text or drawing and ends with endDoc. Failures reach the caller as PrinterError.
#include <memory>
#include <stdexcept>

#include <QString>
#include <QStringList>

namespace platform {

class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The current printer.
class Printer {
public:
    virtual ~Printer() = default;
    virtual QString deviceName() const = 0;
    virtual void setFont(const QString& family, double points) = 0;
    // Prints the text at the print position; with newLine the position moves to the next line,
    // and past the last line of a page to the top of the next one.
    virtual void print(const QString& text, bool newLine = true) = 0;
    // Line width of later drawing, in device units (a dot of a 600 dpi printer).
    virtual void setDrawWidth(int width) = 0;
    // A line between two points in twips from the top-left corner of the printable area.
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    // Ends the job and sends its pages; a job in which nothing was printed sends none.
    virtual void endDoc() = 0;
};

// The installed printers and the choice of the current one.
class PrinterSystem {
public:
    virtual ~PrinterSystem() = default;
    // Device names in the system's order.
    virtual QStringList deviceNames() = 0;
    // Makes the named printer current.
    virtual void select(const QString& deviceName) = 0;
    // The current printer; PrinterError when none is selected.
    virtual Printer& current() = 0;
};

PrinterSystem& printers();
// Installs another printer system (a test's recording one); empty restores the system's.
void setPrinterSystem(std::unique_ptr<PrinterSystem> system);

}  // namespace platform
