#pragma once
// Fixed-width text fields of the record files: single-byte Windows-1252, blank-padded.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString fromAnsi(QByteArrayView bytes);
// Exactly `width` bytes: the text cut or padded on the right with blanks.
QByteArray toAnsi(const QString& text, int width);
// Removes leading and trailing blanks only (tabs and zero bytes stay).
QString trimBlanks(const QString& text);
