#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace tarnwick {

// The largest size of `base`, no larger than it and no smaller than `smallestPointSize`, in
// which every line is at most `widthPx` wide and a line of text at most `lineHeightPx` high.
// The windows' layout is fixed in twips, so text that must fit a panel is sized to it rather
// than clipped on a system whose default font runs wider.
QFont FontFitting(const QFont& base, const QStringList& lines, double widthPx, double lineHeightPx,
                  double smallestPointSize = 6.0);

// The same for texts that each have a width of their own to fit, such as the captions of a
// window's controls.
QFont FontFitting(const QFont& base, const std::vector<std::pair<QString, double>>& textWidths,
                  double lineHeightPx, double smallestPointSize = 6.0);

}  // namespace tarnwick
