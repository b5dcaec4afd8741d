#pragma once
// The main window's two picture buttons, painted by the program: the draw history (a sheet of
// ruled lines) and the statistics (a bar chart), each with its label underneath.
#include <QPixmap>
#include <QString>

QPixmap historyPicture();
QPixmap statsPicture();
