#pragma once

#include <QIcon>

namespace tarnwick {

// The program's 32 x 32 icon: an aircraft in a blue sky with two canopies below it, one
// white and one yellow like the two tracks of the plot. Drawn here so that no resource file
// can go missing from the build.
QIcon TarnwickIcon();

}  // namespace tarnwick
