#pragma once
// Printing a list of the main window on the current printer, one job per list.
class QListWidget;

// Prints the list's lines after three empty lines, each indented by 16 blanks; refuses an empty
// list. A printer failure ends the job with what was printed so far and is reported.
void printlist(const QListWidget& list);
