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
#include "support/pdfpages.h"
#include "support/printqueuefixture.h"

namespace {

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

constexpr double kMmPerTwip = 25.4 / 1440;

class RealPrintQueue : public WithPrintQueue<EntriesTest> {
protected:
    QStringList printed(int count) {
        const QStringList pdfs = queue_->waitForPdfs(count);
        EXPECT_EQ(pdfs.size(), count) << queue_->diagnosis().toStdString();
        return pdfs;
    }
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
