#pragma once

#include <QString>
#include <memory>

class QMessageBox;
class QWidget;

namespace tarnwick {

// The question asked before unsaved changes to a load would be lost: Save (the default) and
// Discard, and Cancel, which Esc presses, whenever the caller can still stop what it was about
// to do (`mayCancel`); the program's Exit can.
std::unique_ptr<QMessageBox> MakeSaveChangesBox(QWidget* parent, const QString& title,
                                                bool mayCancel);

}  // namespace tarnwick
