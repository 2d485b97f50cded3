#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QStringList>
#include <csignal>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/app_icon.h"
#include "app/application_start.h"
#include "app/command_line.h"
#include "app/exit_status.h"
#include "app/headless.h"
#include "app/load_planner_start.h"
#include "app/program.h"
#include "browser/details_command.h"
#include "output/descriptor_stream.h"

namespace {

using namespace tarnwick;

std::vector<std::string> ArgumentsAfterProgramName(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
  return arguments;
}

int RefuseCommandLine(const std::string& error) {
  std::cerr << "tarnwick: " << error << '\n';
  return exit_status::kUnusable;
}

// Qt keeps references to argc and argv for the application's lifetime; the program's own
// arguments are not Qt's to read.
int& QtArgc() {
  static int argc = 1;
  return argc;
}
char** QtArgv() {
  static char name[] = "tarnwick";
  static char* argv[] = {name, nullptr};
  return argv;
}

// The modes without windows. Only those that draw a picture need Qt's painting, and they get it
// on the offscreen platform whatever display the session has or names: results never wait for,
// or fail for want of, a screen.
void StartOffscreenDrawing(std::optional<QGuiApplication>& application) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // A desktop theme plugin may want the display the offscreen platform does without.
  qunsetenv("QT_QPA_PLATFORMTHEME");
  {
    const ApplicationStartGuard guard("cannot start Qt's offscreen drawing", "", true);
    application.emplace(QtArgc(), QtArgv());
  }
  KeepQtQuietButForErrors();
}

int RunWithoutWindows(const CommandLine& line) {
  DescriptorStreamBuffer standardOutput(STDOUT_FILENO);
  std::ostream out(&standardOutput);
  if (DrawsPicture(line)) {
    std::optional<QGuiApplication> application;
    StartOffscreenDrawing(application);
    return RunHeadlessMode(line, out, std::cerr);
  }
  if (line.load.forecast) {
    // The forecast's fetch needs Qt's event loop, not its painting.
    const QCoreApplication application(QtArgc(), QtArgv());
    KeepQtQuietButForErrors();
    return RunHeadlessMode(line, out, std::cerr);
  }
  return RunHeadlessMode(line, out, std::cerr);
}

int RunWindows(int argc, char** argv, bool planner) {
  PrepareDetailsBrowserEngine();
  std::optional<QApplication> application;
  {
    const ApplicationStartGuard guard(
        "no usable display for the windows",
        "; for results without a window use: tarnwick --report [ARGUMENT] [options] (see --help)",
        false);
    application.emplace(argc, argv);
  }
  QApplication::setApplicationName(QStringLiteral("Tarnwick"));
  // Lets the desktop match the windows to the installed menu entry and its icon.
  // The planner alone is matched to its own entry, the one a file manager opens load files with.
  QGuiApplication::setDesktopFileName(planner ? QStringLiteral(TARNWICK_PLANNER_ID)
                                              : QStringLiteral(TARNWICK_APP_ID));
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
  if (!line.commandLine) return RefuseCommandLine(line.error);

  if (planner) return RunLoadPlannerAlone(line.commandLine->loadPlannerFile);

  Program program(line.commandLine->scenarioArgument, line.commandLine->options);
  program.Show();
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  // Under a file-size limit a write then fails with a reason the program reports, keeping the
  // earlier file, instead of the process being killed halfway.
  std::signal(SIGXFSZ, SIG_IGN);
  const std::vector<std::string> arguments = ArgumentsAfterProgramName(argc, argv);
  const ParsedCommandLine parsed = ParseCommandLine(arguments);
  if (!parsed.commandLine) return RefuseCommandLine(parsed.error);
  const Mode mode = parsed.commandLine->mode;
  if (mode != Mode::Window && mode != Mode::LoadPlanner) {
    return RunWithoutWindows(*parsed.commandLine);
  }
  return RunWindows(argc, argv, mode == Mode::LoadPlanner);
}
