#include <QApplication>
#include <QStringList>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/app_icon.h"
#include "app/command_line.h"
#include "app/headless.h"
#include "app/program.h"
#include "browser/details_command.h"

namespace {

std::vector<std::string> ArgumentsAfterProgramName(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

bool HasEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// Without a display Qt would abort with a message about platform plugins; say instead what
// the user can do.
bool DisplayAvailable(const std::vector<std::string>& arguments) {
  if (HasEnvironment("DISPLAY") || HasEnvironment("WAYLAND_DISPLAY") ||
      HasEnvironment("QT_QPA_PLATFORM")) {
    return true;
  }
  for (const std::string& argument : arguments) {
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tarnwick;
  const std::vector<std::string> arguments = ArgumentsAfterProgramName(argc, argv);
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.commandLine) {
    std::cerr << "tarnwick: " << parsed.error << '\n';
    return 2;
  }
  if (parsed.commandLine->mode != Mode::Window) {
    return RunHeadlessMode(*parsed.commandLine, std::cout, std::cerr);
  }
  if (!DisplayAvailable(arguments)) {
    std::cerr << "tarnwick: no display available; for results without a window use: "
                 "tarnwick --report [ARGUMENT] [options] (see --help)\n";
    return 1;
  }

  PrepareDetailsBrowserEngine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  // Lets the desktop match the windows to the installed menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(TARNWICK_APP_ID));
  QApplication::setWindowIcon(TarnwickIcon());
  // Every way out goes through Exit, which also ends a run that is under way.
  QApplication::setQuitOnLastWindowClosed(false);

  // Qt has taken its own options (-platform and the like) out of the arguments; what is left
  // is the program's.
  std::vector<std::string> programArguments;
  const QStringList remaining = QCoreApplication::arguments();
  for (qsizetype i = 1; i < remaining.size(); ++i) {
    programArguments.push_back(remaining[i].toStdString());
  }
  const ParsedCommandLine line = ParseCommandLine(programArguments);
  if (!line.commandLine) {
    std::cerr << "tarnwick: " << line.error << '\n';
    return 2;
  }

  int status = 0;
  {
    Program program(line.commandLine->scenarioArgument, line.commandLine->options);
    program.Show();
    status = QApplication::exec();
  }
  return status;
}
