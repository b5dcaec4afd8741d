// The recording printer that stands in for the system's in tests: jobs, pages, failures.
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
