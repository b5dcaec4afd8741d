#pragma once
// Reading back what a print queue wrote: a PDF's page count and the dark shapes of a page with
// their millimetre positions (poppler-utils).
#include <vector>

#include <QString>
#include <QStringList>

// Runs a tool to its end and gives its output; a failure fails the test.
QString tool(const QString& program, const QStringList& args);

int pageCount(const QString& pdf);

struct Box {
    double left, top, right, bottom;  // millimetres from the page's top-left corner
    double centreX() const { return (left + right) / 2; }
    double centreY() const { return (top + bottom) / 2; }
};

// The dark shapes of one page (from 1), rendered at ten pixels to the millimetre.
std::vector<Box> darkShapes(const QString& pdf, int page);
