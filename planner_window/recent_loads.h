#pragma once

#include <QString>
#include <QStringList>

namespace tarnwick {

// The load files opened or saved lately, newest first, kept between sessions. Shared by the
// planner's File menu and the data entry window's Plan menu.
namespace recent_loads {

inline constexpr int kMaxRecentLoads = 8;

QStringList List();
void Add(const QString& path);     // to the front; an older entry of the same file goes
void Remove(const QString& path);  // a file that could not be opened any more

}  // namespace recent_loads
}  // namespace tarnwick
