#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QMenu;

namespace tarnwick {

// The load files opened or saved lately, newest first, kept between sessions. Shared by the
// planner's File menu and the data entry window's Plan menu.
namespace recent_loads {

inline constexpr int kMaxRecentLoads = 8;

// The submenu's name wherever it appears, with its access key.
inline const QString kMenuText = QStringLiteral("Open &Recent");

// Fills `menu` with the recent loads, each opening its file through `open`; "No recent loads"
// when there are none. For the menu's aboutToShow, so that it is always current.
void FillMenu(QMenu& menu, const std::function<void(const QString& path)>& open);

QStringList List();
void Add(const QString& path);     // to the front; an older entry of the same file goes
void Remove(const QString& path);  // a file that could not be opened any more

}  // namespace recent_loads
}  // namespace tarnwick
