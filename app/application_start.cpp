#include "app/application_start.h"

#include <cstdio>
#include <cstdlib>

#include "app/exit_status.h"
#include "output/printable_text.h"

namespace tarnwick {
namespace {

ApplicationStartGuard* activeGuard = nullptr;

bool IsError(QtMsgType type) {
  return type == QtCriticalMsg || type == QtFatalMsg;
}

void PrintLine(const QString& message) {
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

void ErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (IsError(type)) PrintLine(message);
}

}  // namespace

ApplicationStartGuard::ApplicationStartGuard(std::string complaint, std::string advice, bool quiet)
    : complaint_(std::move(complaint)), advice_(std::move(advice)), quiet_(quiet) {
  activeGuard = this;
  previous_ = qInstallMessageHandler(Handle);
}

ApplicationStartGuard::~ApplicationStartGuard() {
  qInstallMessageHandler(previous_);
  activeGuard = nullptr;
  const QMessageLogContext context;
  for (const auto& [type, message] : held_) {
    if (quiet_ && !IsError(type)) continue;
    if (previous_ != nullptr) {
      previous_(type, context, message);
    } else {
      PrintLine(message);
    }
  }
}

void ApplicationStartGuard::Handle(QtMsgType type, const QMessageLogContext&,
                                   const QString& message) {
  ApplicationStartGuard& guard = *activeGuard;
  if (type != QtFatalMsg) {
    guard.held_.emplace_back(type, message);
    return;
  }
  // Qt would abort once this returns; the first thing it said names the cause best.
  const QString cause = guard.held_.empty() ? message : guard.held_.front().second;
  const std::string line = "tarnwick: " + guard.complaint_ + " (" +
                           PrintableText(cause.trimmed().toStdString()) + ")" + guard.advice_ +
                           "\n";
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
  std::_Exit(exit_status::kNoDisplay);
}

void KeepQtQuietButForErrors() {
  qInstallMessageHandler(ErrorsOnly);
}

}  // namespace tarnwick
