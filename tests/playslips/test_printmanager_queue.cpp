// One playslip printed from the print manager through a real print queue (a private scheduler
// with a PDF queue): its marks are found on the page at the millimetres the settings give.
#include <cmath>

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrinter>

#include "app/Form1.h"
#include "platform/application.h"
#include "platform/printer.h"
#include "platform/windows.h"
#include "playslips/PrintManager.h"
#include "playslips_helpers.h"
#include "shared/module1.h"
#include "support/pdfpages.h"
#include "support/printqueuefixture.h"

using platform::Windows;

namespace {

class PlayslipQueue : public WithPrintQueue<PlayslipTest> {
protected:
    void SetUp() override {
        WithPrintQueue::SetUp();
        if (!ready()) {
            return;
        }
        platform::printers().select(queue_->queueName());
        platform::setAppTitle(queue_->jobTitle());
    }
};

TEST_F(PlayslipQueue, ASlipsMarksLandAtTheirMillimetresMovedByTheAdjustment) {
    // Main ball b of board d at (20 + 4b, 30 + 40d) mm, horizontal; extra ball b at
    // (170, 10 + 40d + 5b) mm, vertical.
    QByteArray slip = fixture::slip(25, -1, 0, 3, 150);
    for (int d = 1; d <= 3; ++d) {
        for (int b = 1; b <= 49; ++b) {
            fixture::putMm(slip, false, b, d, 1, static_cast<float>(20 + 4 * b));
            fixture::putMm(slip, false, b, d, 2, static_cast<float>(30 + 40 * d));
        }
        for (int b = 1; b <= 5; ++b) {
            fixture::putMm(slip, true, b, d, 1, 170.0F);
            fixture::putMm(slip, true, b, d, 2, static_cast<float>(10 + 40 * d + 5 * b));
        }
    }
    writeFile("Lotto.dat", slip);
    struct Entry {
        int a, b, extra;
    };
    const std::vector<Entry> entries = {{3, 17, 2}, {8, 31, 5}, {25, 40, 1}};
    QByteArray bytes;
    for (const Entry& e : entries) {
        bytes += fixture::draw(bytes.isEmpty() ? 3 : 0, 0, 5, 3, 2012, {e.a, e.b}, e.extra);
    }
    writeFile("Lotto-05Mar2012.lot", bytes);
    m1().selectionfile = file("Lotto-05Mar2012.lot");
    m1().mainperentry = 2;
    m1().bonusperentry = 1;
    auto* main = Windows::get<Form1>(Form1::kName);
    main->List1->addItems({"1", "2", "3"});
    main->mnuTicketPrinting_Click();
    auto* w = Windows::live<PrintManager>(PrintManager::kName);
    // 2 mm Left moves the marks right, 1 mm Down moves them up.
    w->Option1->setChecked(true);
    w->Text3->setText(QStringLiteral("2"));
    w->Text2->setText(QStringLiteral("1"));
    w->Command2_Click();

    const QStringList pdfs = queue_->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1) << queue_->diagnosis().toStdString();
    EXPECT_EQ(pageCount(pdfs[0]), 1);

    QPrinter probe(QPrinter::HighResolution);
    probe.setPrinterName(queue_->queueName());
    const QPointF origin = probe.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    // Twips of the settings are 56.82 to the millimetre, of the page 1440 / 25.4.
    const double mmPerTwip = 25.4 / 1440;
    struct Mark {
        double x, y;  // the mark's start, in twips
        bool horizontal;
    };
    std::vector<Mark> want;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int d = static_cast<int>(i) + 1;
        for (int ball : {entries[i].a, entries[i].b}) {
            want.push_back({(20 + 4 * ball) * 56.82 + 113.64, (30 + 40 * d) * 56.82 - 56.82, true});
        }
        want.push_back(
            {170 * 56.82 + 113.64, (10 + 40 * d + 5 * entries[i].extra) * 56.82 - 56.82, false});
    }
    const std::vector<Box> shapes = darkShapes(pdfs[0], 1);
    ASSERT_EQ(shapes.size(), want.size());
    for (const Mark& m : want) {
        const double cx = origin.x() + (m.x + (m.horizontal ? 75 : 0)) * mmPerTwip;
        const double cy = origin.y() + (m.y + (m.horizontal ? 0 : 75)) * mmPerTwip;
        const auto near = std::find_if(shapes.begin(), shapes.end(), [&](const Box& b) {
            return std::abs(b.centreX() - cx) <= 0.5 && std::abs(b.centreY() - cy) <= 0.5;
        });
        ASSERT_NE(near, shapes.end()) << "no mark at " << cx << ", " << cy << " mm";
        const double longSide = m.horizontal ? near->right - near->left : near->bottom - near->top;
        EXPECT_NEAR(longSide, 150 * mmPerTwip + 25 * 25.4 / 600, 0.5);
    }
}

// The slip a printer failure interrupts is dropped, never half printed.
TEST_F(PlayslipQueue, AnAbandonedJobPrintsNothing) {
    platform::Printer& printer = platform::printers().current();
    printer.setDrawWidth(25);
    printer.line(1000, 1000, 1150, 1000);
    printer.abortDoc();
    printer.line(2000, 2000, 2000, 2150);
    printer.line(3000, 3000, 3000, 3150);
    printer.endDoc();
    const QStringList pdfs = queue_->waitForPdfs(1);
    ASSERT_EQ(pdfs.size(), 1) << queue_->diagnosis().toStdString();
    EXPECT_EQ(darkShapes(pdfs[0], 1).size(), 2U);
}

}  // namespace
