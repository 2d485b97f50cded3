#include "load/load_command.h"

#include <charconv>
#include <ostream>
#include <sstream>

#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/load_table.h"
#include "load/result_json.h"

namespace tarnwick::load {
namespace {

// A load file, command line or standard output that cannot be used: the program's status 2.
constexpr int kUnusable = 2;

struct LoadOptions {
  std::string file;
  bool recommend = false;
  bool bestOrder = false;
  bool json = false;
};

}  // namespace

int RunLoadCommand(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
  LoadOptions options;
  bool haveFile = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& arg = arguments[i];
    if (arg == "--load" || arg.rfind("--load=", 0) == 0) {
      if (arg == "--load") {
        if (i + 1 >= arguments.size()) {
          err << "tarnwick: --load needs a file\n";
          return kUnusable;
        }
        options.file = arguments[++i];
      } else {
        options.file = arg.substr(7);
      }
      haveFile = !options.file.empty();
    } else if (arg == "--recommend") {
      options.recommend = true;
    } else if (arg == "--best-order") {
      options.bestOrder = true;
    } else if (arg == "--json") {
      options.json = true;
    } else {
      err << "tarnwick: " << arg << " does not go with --load (see --help)\n";
      return kUnusable;
    }
  }
  if (!haveFile) {
    err << "tarnwick: --load needs a file\n";
    return kUnusable;
  }
  const ReadLoad read = ReadLoadFile(options.file);
  if (!read.load) {
    err << "tarnwick: " << read.error << "\n";
    return kUnusable;
  }
  LoadRequest request;
  request.recommend = options.recommend;
  request.bestOrder = options.bestOrder;
  const LoadOutcome outcome = PlanLoad(*read.load, request);
  out << (options.json ? ResultJsonText(outcome) : LoadTableText(outcome));
  out.flush();
  if (!out) {
    err << "tarnwick: the results could not be written\n";
    return kUnusable;
  }
  return 0;
}

}  // namespace tarnwick::load
