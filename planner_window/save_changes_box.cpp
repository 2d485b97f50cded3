#include "planner_window/save_changes_box.h"

#include <QMessageBox>

namespace tarnwick {

std::unique_ptr<QMessageBox> MakeSaveChangesBox(QWidget* parent, const QString& title,
                                                bool mayCancel) {
  QMessageBox::StandardButtons buttons = QMessageBox::Save | QMessageBox::Discard;
  if (mayCancel) buttons |= QMessageBox::Cancel;
  auto box = std::make_unique<QMessageBox>(
      QMessageBox::Question, title,
      QStringLiteral("The load has changes that are not saved. Save them?"), buttons, parent);
  box->setDefaultButton(QMessageBox::Save);
  // Without Cancel there is nothing for Esc to do; Discard must never be a key's accident.
  box->setEscapeButton(mayCancel ? box->button(QMessageBox::Cancel) : nullptr);
  return box;
}

}  // namespace tarnwick
