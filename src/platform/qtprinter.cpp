#include "platform/qtprinter.h"

#include <algorithm>

#include <cups/cups.h>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/application.h"

namespace platform {
namespace {

constexpr double kTwipsPerInch = 1440.0;
// A device unit of the line width: one dot of a 600 dpi printer, whatever the resolution the
// driver reports, so that a mark is as wide on every printer.
constexpr double kWidthUnitsPerInch = 600.0;

class QtPrinter : public Printer {
public:
    explicit QtPrinter(const QString& name) : name_(name) {}
    ~QtPrinter() override {
        if (painter_.isActive()) {
            painter_.end();
        }
    }

    QString deviceName() const override { return name_; }

    void setFont(const QString& family, double points) override {
        font_ = QFont(family);
        font_.setPointSizeF(points);
        if (painter_.isActive()) {
            painter_.setFont(font_);
        }
    }

    void print(const QString& text, bool newLine) override {
        begin();
        const QFontMetricsF metrics(font_, &printer_);
        if (y_ + metrics.height() >
            printer_.pageLayout().paintRectPixels(printer_.resolution()).height()) {
            nextPage();
        }
        painter_.drawText(QPointF(x_, y_ + metrics.ascent()), text);
        if (newLine) {
            x_ = 0;
            y_ += metrics.height();
        } else {
            x_ += metrics.horizontalAdvance(text);
        }
    }

    void setDrawWidth(int width) override { drawWidth_ = width; }

    void line(double x1, double y1, double x2, double y2) override {
        begin();
        const double scale = printer_.resolution() / kTwipsPerInch;
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1, drawWidth_) * printer_.resolution() / kWidthUnitsPerInch);
        pen.setCapStyle(Qt::RoundCap);
        painter_.setPen(pen);
        painter_.drawLine(QPointF(x1 * scale, y1 * scale), QPointF(x2 * scale, y2 * scale));
    }

    void endDoc() override {
        x_ = y_ = 0;
        if (!painter_.isActive()) {
            return;
        }
        if (!painter_.end()) {
            throw PrinterError("The print job could not be finished.");
        }
        // Handing the job to the spooler is the last request of ending it; the print support
        // does not report a refusal itself.
        if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
            throw PrinterError("The spooler did not accept the print job.");
        }
    }

private:
    void begin() {
        if (painter_.isActive()) {
            return;
        }
        printer_.setPrinterName(name_);
        printer_.setDocName(appTitle());
        if (!painter_.begin(&printer_)) {
            throw PrinterError("The printer cannot be opened.");
        }
        painter_.setFont(font_);
        x_ = y_ = 0;
    }
    void nextPage() {
        if (!printer_.newPage()) {
            throw PrinterError("The printer cannot start a new page.");
        }
        x_ = y_ = 0;
    }

    QString name_;
    QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    QFont font_{QStringLiteral("Courier New"), 10};
    int drawWidth_ = 1;
    double x_ = 0;
    double y_ = 0;
};

class QtPrinterSystem : public PrinterSystem {
public:
    QStringList deviceNames() override { return QPrinterInfo::availablePrinterNames(); }
    void select(const QString& deviceName) override {
        if (!deviceNames().contains(deviceName)) {
            throw PrinterError("No such printer.");
        }
        if (!current_ || current_->deviceName() != deviceName) {
            current_ = std::make_unique<QtPrinter>(deviceName);
        }
    }
    Printer& current() override {
        if (!current_) {
            throw PrinterError("No printer is selected.");
        }
        return *current_;
    }

private:
    std::unique_ptr<QtPrinter> current_;
};

}  // namespace

std::unique_ptr<PrinterSystem> makeQtPrinterSystem() {
    return std::make_unique<QtPrinterSystem>();
}

}  // namespace platform
