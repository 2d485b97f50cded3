#include "browser/details_command.h"

// Placeholder until the details browser window lands: the button exists but opens nothing.
namespace tarnwick {

void PrepareDetailsBrowserEngine() {}
void ShowDetailsBrowser() {}
void CloseDetailsBrowser() {}

}  // namespace tarnwick
