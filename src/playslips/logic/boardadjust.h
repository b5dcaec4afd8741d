#pragma once
// Shifting every position of the board on screen by a distance up or down and left or right.
#include <array>
#include <utility>
#include <vector>

#include <QString>

enum class Vertical { Up, Down };
enum class Horizontal { Left, Right };

// The boxes to rewrite (index, text) for one press of Adjust: Y boxes (odd indices) with a
// position move by the typed vertical distance, X boxes (even) by the horizontal one. "Up" adds
// to Y and "Left" adds to X, as the marks are moved on the slip; a distance of 0 moves nothing.
std::vector<std::pair<int, QString>> adjustBoxes(const std::array<QString, 130>& boxes,
                                                 Vertical vertical, const QString& verticalMm,
                                                 Horizontal horizontal,
                                                 const QString& horizontalMm);
