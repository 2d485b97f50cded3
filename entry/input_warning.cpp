#include "entry/input_warning.h"

#include <QApplication>
#include <QMessageBox>

namespace tarnwick {

void InputWarning(QWidget* parent) {
  QApplication::beep();
  QMessageBox box(QMessageBox::Question, QStringLiteral("Tarnwick"),
                  QStringLiteral("Please check your numerical inputs"), QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace tarnwick
