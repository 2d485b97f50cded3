#pragma once

#include <QIcon>
#include <QList>

namespace tarnwick {

// The six 24 x 24 toolbar images, in button order: Back, Forward, Stop, Refresh, Home, Search.
// Drawn in code so that they need no resource file and stay sharp in every style.
QList<QIcon> ToolbarIcons();

}  // namespace tarnwick
