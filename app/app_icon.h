#pragma once

#include <QIcon>

class QPainter;

namespace tarnwick {

// Paints the program's icon into the square from (0, 0) to (size, size). The window icon and
// the icons installed for the desktop are all painted here, so they are one picture.
void PaintTarnwickIcon(QPainter& painter, double size);

// The program's 32 x 32 icon: an aircraft in a blue sky with two canopies below it, one
// white and one yellow like the two tracks of the plot. Drawn here so that no resource file
// can go missing from the build.
QIcon TarnwickIcon();

}  // namespace tarnwick
