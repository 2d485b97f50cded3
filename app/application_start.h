#pragma once

#include <QString>
#include <QtGlobal>
#include <string>
#include <utility>
#include <vector>

namespace tarnwick {

// Watches the construction of the application object. Qt ends the process with an abort when
// no platform can be started (no display, an unusable one, a platform name it does not know);
// while a guard lives, that ends instead with the program's own line (`complaint`, what Qt said
// first, then `advice`) and exit_status::kNoDisplay. Qt's other messages are held back meanwhile
// and handed on once the application has started, unless `quiet`: then only its errors are.
class ApplicationStartGuard {
 public:
  ApplicationStartGuard(std::string complaint, std::string advice, bool quiet);
  ~ApplicationStartGuard();
  ApplicationStartGuard(const ApplicationStartGuard&) = delete;
  ApplicationStartGuard& operator=(const ApplicationStartGuard&) = delete;

 private:
  static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message);

  std::string complaint_, advice_;
  bool quiet_;
  QtMessageHandler previous_;
  std::vector<std::pair<QtMsgType, QString>> held_;
};

// Qt's notes while a picture-writing mode draws offscreen (no runtime folder, no session bus)
// are not the user's concern when all that is wanted is a file; its errors still get through.
void KeepQtQuietButForErrors();

}  // namespace tarnwick
