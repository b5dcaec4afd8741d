// Printing through a real print queue: a private scheduler with a PDF queue, found by start-up,
// printed on through the system's print support, and the PDF read back.
#include <cmath>
#include <deque>

#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "entries_helpers.h"
#include "platform/application.h"
#include "platform/printer.h"
#include "support/printqueue.h"

namespace {

QString tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: "
                      << QString::fromLocal8Bit(p.readAllStandardError()).toStdString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pageCount(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                       .match(tool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// The text of each page, its lines trimmed and the empty ones left out.
std::vector<QStringList> pageTexts(const QString& pdf) {
    std::vector<QStringList> pages;
    for (const QString& page :
         tool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
             .split(u'\f')) {
        QStringList lines;
        for (const QString& line : page.split(u'\n')) {
            if (!line.trimmed().isEmpty()) {
                lines << line.trimmed();
            }
        }
        if (!lines.isEmpty()) {
            pages.push_back(lines);
        }
    }
    return pages;
}

struct Box {
    double left, top, right, bottom;  // millimetres from the page's top-left corner
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

// The dark shapes of one page, rendered at ten pixels to the millimetre.
std::vector<Box> darkShapes(const QString& pdf, int page) {
    QTemporaryDir dir;
    tool(QStringLiteral("pdftoppm"),
         {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-gray"),
          QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"), QString::number(page),
          QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    QImage image(dir.filePath(QStringLiteral("page.pgm")));
    image = image.convertToFormat(QImage::Format_Grayscale8);
    std::vector<Box> boxes;
    std::vector<bool> seen(static_cast<size_t>(image.width()) * image.height(), false);
    const auto dark = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const size_t at = static_cast<size_t>(y) * image.width() + x;
            if (seen[at] || !dark(x, y)) {
                continue;
            }
            int x0 = x, x1 = x, y0 = y, y1 = y;
            std::deque<QPoint> todo{QPoint(x, y)};
            seen[at] = true;
            while (!todo.empty()) {
                const QPoint p = todo.front();
                todo.pop_front();
                x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
                y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
                for (const QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + d;
                    if (n.x() < 0 || n.y() < 0 || n.x() >= image.width() ||
                        n.y() >= image.height()) {
                        continue;
                    }
                    const size_t nat = static_cast<size_t>(n.y()) * image.width() + n.x();
                    if (!seen[nat] && dark(n.x(), n.y())) {
                        seen[nat] = true;
                        todo.push_back(n);
                    }
                }
            }
            boxes.push_back({x0 / 10.0, y0 / 10.0, (x1 + 1) / 10.0, (y1 + 1) / 10.0});
        }
    }
    return boxes;
}

constexpr double kMmPerTwip = 25.4 / 1440;

class RealPrintQueue : public EntriesTest {
protected:
    // One scheduler for the process: the print support keeps the first server it was given.
    static void SetUpTestSuite() {
        if (!PrivatePrintQueue::unavailable()) {
            queue_ = std::make_unique<PrivatePrintQueue>();
            startFailure_ = queue_->start();
        }
    }
    static void TearDownTestSuite() { queue_.reset(); }

    void SetUp() override {
        EntriesTest::SetUp();
        if (const auto why = PrivatePrintQueue::unavailable()) {
            GTEST_SKIP() << "No private print queue: " << why->toStdString();
        }
        ASSERT_TRUE(startFailure_.isEmpty()) << startFailure_.toStdString();
        platform::setPrinterSystem({});  // the system's printers, not the recording one
    }
    QStringList printed(int count) {
        const QStringList pdfs = queue_->waitForPdfs(count);
        EXPECT_EQ(pdfs.size(), count) << queue_->diagnosis().toStdString();
        return pdfs;
    }

    inline static std::unique_ptr<PrivatePrintQueue> queue_;
    inline static QString startFailure_;
};

TEST_F(RealPrintQueue, StartUpKeepsPrintingAndTheEntryListPrintsItsLines) {
    // Start-up finds the queue: no message, the print buttons stay enabled.
    Form1& form = startGame(6, 49, 26);
    EXPECT_TRUE(form.Command9->isEnabledTo(&form));
    EXPECT_TRUE(form.Command10->isEnabledTo(&form));
    EXPECT_EQ(platform::printers().current().deviceName(), queue_->queueName());
    platform::setAppTitle(queue_->jobTitle());

    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}, {{2, 6, 13, 24, 35, 46}, 8}, {{3}, 9}});
    const int jobsBefore = queue_->completedJobs();
    form.Command9_Click();
    // A job in which nothing is printed sends no page and no file.
    platform::printers().current().endDoc();

    const QStringList pdfs = printed(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(queue_->completedJobs(), jobsBefore + 1);
    EXPECT_EQ(pageCount(pdfs[0]), 1);
    const auto pages = pageTexts(pdfs[0]);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0],
              (QStringList{"01 05 12 23 34 45 PB 07", "02 06 13 24 35 46 PB 08", "03 PB 09"}));
}

TEST_F(RealPrintQueue, ALongListRunsOntoASecondPage) {
    Form1& form = startGame(6, 49, 26);
    platform::setAppTitle(queue_->jobTitle());
    QStringList expected;
    for (int i = 1; i <= 90; ++i) {
        const QString line =
            QStringLiteral("line %1 of the winning lines").arg(i, 2, 10, QChar(u'0'));
        form.List2->addItem(line);
        expected << line;
    }
    form.Command10_Click();
    const QStringList pdfs = printed(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pageCount(pdfs[0]), 2);
    const auto pages = pageTexts(pdfs[0]);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0] + pages[1], expected);
    EXPECT_GT(pages[1].size(), 0);
}

TEST_F(RealPrintQueue, MarksLandAtTheirPositionsInMillimetres) {
    platform::setAppTitle(queue_->jobTitle());
    ASSERT_TRUE(platform::printers().deviceNames().contains(queue_->queueName()));
    EXPECT_THROW(platform::printers().select(QStringLiteral("No such queue")),
                 platform::PrinterError);
    platform::printers().select(queue_->queueName());
    platform::Printer& printer = platform::printers().current();

    struct Mark {
        double x1, y1, x2, y2;  // twips from the printable area's top-left corner
    };
    // Horizontal and vertical marks as a playslip carries them, spread over an A4 or Letter page.
    const std::vector<Mark> marks = {{1000, 1000, 1150, 1000},    {8000, 1200, 8000, 1400},
                                     {10500, 2000, 10650, 2000},  {2841, 8523, 2841, 8723},
                                     {9999, 12345, 10199, 12345}, {1500, 15000, 1650, 15000},
                                     {11000, 15200, 11000, 15350}};
    printer.setDrawWidth(25);
    for (const Mark& m : marks) {
        printer.line(m.x1, m.y1, m.x2, m.y2);
    }
    printer.endDoc();

    const QStringList pdfs = printed(1);
    ASSERT_EQ(pdfs.size(), 1);
    EXPECT_EQ(pageCount(pdfs[0]), 1);

    // The printable area's corner on the page, as the queue's driver gives it.
    QPrinter probe(QPrinter::HighResolution);
    probe.setPrinterName(queue_->queueName());
    const QPointF origin = probe.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    const double widthMm = 25 * 25.4 / 600;

    const std::vector<Box> shapes = darkShapes(pdfs[0], 1);
    ASSERT_EQ(shapes.size(), marks.size()) << [&] {
        std::string found;
        for (const Box& b : shapes) {
            found += std::to_string(b.centreX()) + "," + std::to_string(b.centreY()) + " ";
        }
        return found;
    }();
    for (const Mark& m : marks) {
        const double cx = origin.x() + (m.x1 + m.x2) / 2 * kMmPerTwip;
        const double cy = origin.y() + (m.y1 + m.y2) / 2 * kMmPerTwip;
        const auto near = std::find_if(shapes.begin(), shapes.end(), [&](const Box& b) {
            return std::abs(b.centreX() - cx) <= 0.5 && std::abs(b.centreY() - cy) <= 0.5;
        });
        ASSERT_NE(near, shapes.end()) << "no mark at " << cx << ", " << cy << " mm";
        // Its length and width, the pen's round ends included.
        EXPECT_NEAR(near->right - near->left, std::abs(m.x2 - m.x1) * kMmPerTwip + widthMm, 0.5);
        EXPECT_NEAR(near->bottom - near->top, std::abs(m.y2 - m.y1) * kMmPerTwip + widthMm, 0.5);
    }
}

TEST_F(RealPrintQueue, AJobTheSpoolerRefusesIsAPrintErrorNotASilentLoss) {
    Form1& form = startGame(6, 49, 26);
    platform::setAppTitle(queue_->jobTitle());
    listDated(form, {{{1, 5, 12, 23, 34, 45}, 7}});
    ASSERT_EQ(QProcess::execute(QStringLiteral("cupsreject"), {queue_->queueName()}), 0);
    const auto accept = qScopeGuard(
        [this] { QProcess::execute(QStringLiteral("cupsaccept"), {queue_->queueName()}); });
    messages().expect("There seems to be an unexpected print error.");
    form.Command9_Click();
}

}  // namespace
