#pragma once
// A printer system that records what is printed instead of printing it, and can fail on
// purpose at a given step. Installed by tests; it keeps the namespace of the interface it fakes.
#include <optional>
#include <vector>

#include <QStringList>

#include "platform/printer.h"

namespace platform {

struct PrintedLine {
    double x1, y1, x2, y2;
    int width;
};

struct PrintedPage {
    QStringList texts;  // one entry per line of text
    std::vector<PrintedLine> lines;
};

struct PrintedDocument {
    QString device;
    QString fontName;
    double fontSize = 0;
    std::vector<PrintedPage> pages;
};

class RecordingPrinterSystem : public PrinterSystem {
public:
    explicit RecordingPrinterSystem(QStringList names = {QStringLiteral("Recording Printer")});
    ~RecordingPrinterSystem() override;

    QStringList deviceNames() override;
    void select(const QString& deviceName) override;
    Printer& current() override;

    // Text lines that fit on one page before the next text starts a new page.
    void setLinesPerPage(int lines) { linesPerPage_ = lines; }
    // The n-th printing operation from now (1 = the next) throws PrinterError.
    void failAtStep(int n) { failAt_ = n; }
    // Listing the printers throws PrinterError.
    void failListing(bool fail) { failListing_ = fail; }

    // Finished documents, in order; a document still open is not among them.
    const std::vector<PrintedDocument>& documents() const { return documents_; }
    QString currentName() const;
    bool jobOpen() const;

private:
    class Device;
    friend class Device;
    void step();

    QStringList names_;
    std::unique_ptr<Device> current_;
    std::vector<PrintedDocument> documents_;
    int linesPerPage_ = 60;
    std::optional<int> failAt_;
    bool failListing_ = false;
};

}  // namespace platform
