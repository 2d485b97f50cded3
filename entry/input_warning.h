#pragma once

class QWidget;

namespace tarnwick {

// Go's warning after it had to correct an input: the system beep, then a modal question box
// "Please check your numerical inputs" with one OK button, captioned "Tarnwick".
void InputWarning(QWidget* parent);

}  // namespace tarnwick
