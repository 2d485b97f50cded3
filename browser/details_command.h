#pragma once

namespace tarnwick {

// The data entry window's details command: opens the details browser on the program's own
// details page, or brings the open one to the front.
void ShowDetailsBrowser();

// Closes the details browser if it is open; does nothing if it was never opened.
void CloseDetailsBrowser();

}  // namespace tarnwick
