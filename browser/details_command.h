#pragma once

namespace tarnwick {

// Called once in main before the QApplication is constructed, for what the web engine needs
// to have settled that early (its URL scheme, its process flags).
void PrepareDetailsBrowserEngine();

// The data entry window's details command: opens the details browser on the program's own
// details page, or brings the open one to the front.
void ShowDetailsBrowser();

// Closes the details browser if it is open; does nothing if it was never opened.
void CloseDetailsBrowser();

}  // namespace tarnwick
