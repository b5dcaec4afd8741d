#include "support/recordingprinter.h"

namespace platform {

class RecordingPrinterSystem::Device : public Printer {
public:
    Device(RecordingPrinterSystem& owner, const QString& name) : owner_(owner), name_(name) {}

    QString deviceName() const override { return name_; }

    void setFont(const QString& family, double points) override {
        owner_.step();
        fontName_ = family;
        fontSize_ = points;
        if (open_) {
            doc_.fontName = family;
            doc_.fontSize = points;
        }
    }

    void print(const QString& text, bool newLine) override {
        owner_.step();
        begin();
        PrintedPage* page = &doc_.pages.back();
        if (!continuing_ && page->texts.size() >= owner_.linesPerPage_) {
            doc_.pages.emplace_back();
            page = &doc_.pages.back();
        }
        if (continuing_) {
            page->texts.back() += text;
        } else {
            page->texts << text;
        }
        continuing_ = !newLine;
    }

    void setDrawWidth(int width) override {
        owner_.step();
        width_ = width;
    }

    void line(double x1, double y1, double x2, double y2) override {
        owner_.step();
        begin();
        doc_.pages.back().lines.push_back({x1, y1, x2, y2, width_});
    }

    void endDoc() override {
        owner_.step();
        if (open_) {
            owner_.documents_.push_back(doc_);
        }
        open_ = false;
        continuing_ = false;
    }

    void abortDoc() override {
        open_ = false;
        continuing_ = false;
    }

    bool open() const { return open_; }

private:
    void begin() {
        if (open_) {
            return;
        }
        open_ = true;
        doc_ = PrintedDocument{name_, fontName_, fontSize_, {PrintedPage{}}};
    }

    RecordingPrinterSystem& owner_;
    QString name_;
    QString fontName_ = QStringLiteral("Arial");
    double fontSize_ = 12;
    int width_ = 1;
    bool open_ = false;
    bool continuing_ = false;
    PrintedDocument doc_;
};

RecordingPrinterSystem::RecordingPrinterSystem(QStringList names) : names_(std::move(names)) {}

RecordingPrinterSystem::~RecordingPrinterSystem() = default;

QStringList RecordingPrinterSystem::deviceNames() {
    if (failListing_) {
        throw PrinterError("The printer list cannot be read.");
    }
    return names_;
}

void RecordingPrinterSystem::select(const QString& deviceName) {
    if (!names_.contains(deviceName)) {
        throw PrinterError("No such printer.");
    }
    if (!current_ || current_->deviceName() != deviceName) {
        current_ = std::make_unique<Device>(*this, deviceName);
    }
}

Printer& RecordingPrinterSystem::current() {
    if (!current_) {
        throw PrinterError("No printer is selected.");
    }
    return *current_;
}

QString RecordingPrinterSystem::currentName() const {
    return current_ ? current_->deviceName() : QString();
}

bool RecordingPrinterSystem::jobOpen() const {
    return current_ && current_->open();
}

void RecordingPrinterSystem::step() {
    if (failAt_ && --*failAt_ == 0) {
        failAt_.reset();
        throw PrinterError("Printing failed.");
    }
}

}  // namespace platform
