#include "entry/input_warning.h"

#include <QApplication>
#include <QMessageBox>

#include "entry/input_table.h"

namespace tarnwick {

void InputWarning(QWidget* parent) {
  QApplication::beep();
  QMessageBox box(QMessageBox::Question, QStringLiteral("Tarnwick"),
                  QString::fromLatin1(kInputWarningText.data(),
                                      static_cast<qsizetype>(kInputWarningText.size())),
                  QMessageBox::Ok, parent);
  box.exec();
}

}  // namespace tarnwick
