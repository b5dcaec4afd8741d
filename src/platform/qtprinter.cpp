#include "platform/qtprinter.h"

#include <algorithm>
#include <functional>
#include <vector>

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

// A job is drawn into memory page by page and handed to the print support only when it ends, so
// that an abandoned job never reaches the spooler.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(const QString& name) : name_(name) {}

    QString deviceName() const override { return name_; }

    void setFont(const QString& family, double points) override {
        font_ = QFont(family);
        font_.setPointSizeF(points);
    }

    void print(const QString& text, bool newLine) override {
        begin();
        const QFontMetricsF metrics(font_, &printer_);
        if (y_ + metrics.height() >
            printer_.pageLayout().paintRectPixels(printer_.resolution()).height()) {
            nextPage();
        }
        pages_.back().push_back(
            [font = font_, at = QPointF(x_, y_ + metrics.ascent()), text](QPainter& p) {
                p.setFont(font);
                p.drawText(at, text);
            });
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
        pages_.back().push_back([pen, from = QPointF(x1 * scale, y1 * scale),
                                 to = QPointF(x2 * scale, y2 * scale)](QPainter& p) {
            p.setPen(pen);
            p.drawLine(from, to);
        });
    }

    void endDoc() override {
        x_ = y_ = 0;
        if (!open_) {
            return;
        }
        const std::vector<Page> pages = std::move(pages_);
        pages_.clear();
        open_ = false;
        QPainter painter;
        if (!painter.begin(&printer_)) {
            throw PrinterError("The printer cannot be opened.");
        }
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (i > 0 && !printer_.newPage()) {
                painter.end();
                throw PrinterError("The printer cannot start a new page.");
            }
            for (const auto& draw : pages[i]) {
                draw(painter);
            }
        }
        if (!painter.end()) {
            throw PrinterError("The print job could not be finished.");
        }
        // Handing the job to the spooler is the last request of ending it; the print support
        // does not report a refusal itself.
        if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
            throw PrinterError("The spooler did not accept the print job.");
        }
    }

    void abortDoc() override {
        x_ = y_ = 0;
        open_ = false;
        pages_.clear();
    }

private:
    using Page = std::vector<std::function<void(QPainter&)>>;

    void begin() {
        if (open_) {
            return;
        }
        printer_.setPrinterName(name_);
        printer_.setDocName(appTitle());
        open_ = true;
        pages_.assign(1, Page{});
        x_ = y_ = 0;
    }
    void nextPage() {
        pages_.emplace_back();
        x_ = y_ = 0;
    }

    QString name_;
    QPrinter printer_{QPrinter::HighResolution};
    QFont font_{QStringLiteral("Courier New"), 10};
    int drawWidth_ = 1;
    bool open_ = false;
    std::vector<Page> pages_;
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
