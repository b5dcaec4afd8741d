// The recording printer that stands in for the system's in tests: jobs, pages, failures.
#include <tuple>

#include <gtest/gtest.h>

#include "support/recordingprinter.h"

using platform::PrinterError;
using platform::RecordingPrinterSystem;

TEST(RecordingPrinter, AJobOpensWithTheFirstTextAndEndsWithEndDoc) {
    RecordingPrinterSystem system({"A", "B"});
    EXPECT_THROW(system.current(), PrinterError);
    system.select("B");
    system.current().endDoc();  // nothing printed: no page
    EXPECT_TRUE(system.documents().empty());
    system.current().setFont("Courier New", 10);
    system.current().print("one");
    system.current().print("two, ", false);
    system.current().print("continued");
    EXPECT_TRUE(system.jobOpen());
    system.current().endDoc();
    ASSERT_EQ(system.documents().size(), 1u);
    const auto& doc = system.documents()[0];
    EXPECT_EQ(doc.device, QStringLiteral("B"));
    EXPECT_EQ(doc.fontName, QStringLiteral("Courier New"));
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(doc.pages[0].texts, (QStringList{"one", "two, continued"}));
}

TEST(RecordingPrinter, LinesOverflowOntoNewPages) {
    RecordingPrinterSystem system;
    system.setLinesPerPage(2);
    system.select("Recording Printer");
    for (const char* t : {"1", "2", "3", "4", "5"}) {
        system.current().print(t);
    }
    system.current().line(0, 0, 1440, 720);
    system.current().endDoc();
    const auto& pages = system.documents().at(0).pages;
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[2].texts, QStringList{"5"});
    ASSERT_EQ(pages[2].lines.size(), 1u);
    EXPECT_EQ(pages[2].lines[0].x2, 1440);
}

TEST(RecordingPrinter, FailsAtTheChosenStepAndOnUnknownPrinters) {
    RecordingPrinterSystem system({"A"});
    EXPECT_THROW(system.select("Z"), PrinterError);
    system.select("A");
    system.failAtStep(2);
    system.current().print("first");
    EXPECT_THROW(system.current().print("second"), PrinterError);
    system.current().print("third");
    system.current().endDoc();
    EXPECT_EQ(system.documents().at(0).pages.at(0).texts, (QStringList{"first", "third"}));
}

TEST(RecordingPrinter, ReproducesAPageOfMarksJobByJob) {
    // Two slips: marks in twips with the width set before each, as a playslip run draws them.
    RecordingPrinterSystem system({"Slips"});
    system.select("Slips");
    platform::Printer& p = system.current();
    p.setDrawWidth(25);
    p.line(568.2, 1136.4, 718.2, 1136.4);
    p.line(2841, 1136.4, 2841, 1286.4);
    p.endDoc();
    p.setDrawWidth(35);
    p.line(56.82, 56.82, 206.82, 56.82);
    p.endDoc();
    p.endDoc();  // nothing drawn since: no third job
    ASSERT_EQ(system.documents().size(), 2u);
    const auto& first = system.documents()[0].pages;
    ASSERT_EQ(first.size(), 1u);
    EXPECT_TRUE(first[0].texts.isEmpty());
    ASSERT_EQ(first[0].lines.size(), 2u);
    const platform::PrintedLine expected[] = {{568.2, 1136.4, 718.2, 1136.4, 25},
                                              {2841, 1136.4, 2841, 1286.4, 25}};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto& l = first[0].lines[i];
        EXPECT_EQ(std::tie(l.x1, l.y1, l.x2, l.y2, l.width),
                  std::tie(expected[i].x1, expected[i].y1, expected[i].x2, expected[i].y2,
                           expected[i].width));
    }
    ASSERT_EQ(system.documents()[1].pages.at(0).lines.size(), 1u);
    EXPECT_EQ(system.documents()[1].pages[0].lines[0].width, 35);
}

TEST(RecordingPrinter, AFailedStepLeavesTheJobOpenForEndDoc) {
    // What was drawn before a failure still goes out when the caller ends the job.
    RecordingPrinterSystem system({"Slips"});
    system.select("Slips");
    system.current().line(0, 0, 100, 0);
    system.failAtStep(1);
    EXPECT_THROW(system.current().line(0, 100, 100, 100), PrinterError);
    system.current().endDoc();
    ASSERT_EQ(system.documents().size(), 1u);
    EXPECT_EQ(system.documents()[0].pages.at(0).lines.size(), 1u);
}
