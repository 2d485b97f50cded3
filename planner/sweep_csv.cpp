#include "planner/sweep_csv.h"

#include <cmath>
#include <ostream>

#include "sim/decimal_text.h"

namespace tarnwick {

std::string OneDecimal(double value) {
  // The results are single-precision values, so value * 10 is exact in double precision and
  // the rounding below decides halves exactly as the report does for whole numbers.
  double tenths = std::round(value * 10);
  if (tenths == 0) tenths = 0;  // drops the sign of -0
  return FixedText(tenths / 10, 1);
}

std::string FeetText(double feet) {
  std::string text = OneDecimal(feet);
  if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
  return text + " ft";
}

void WriteSweepCsv(std::ostream& out, const SweepRange& range, const std::vector<SweepRow>& rows) {
  out << kSweepCsvHeader << '\n';
  for (const SweepRow& row : rows) {
    const RunResult& r = row.result;
    out << range.Label(row.index) << ',' << OneDecimal(r.pullDownrange[1]) << ','
        << OneDecimal(r.pullTime[1]) << ',' << OneDecimal(r.pullDownrange[2]) << ','
        << OneDecimal(r.pullTime[2]) << ',' << OneDecimal(r.firstPullSeparation) << ','
        << OneDecimal(r.DeploymentSeparation()) << ',' << OneDecimal(r.LastPullSeparation())
        << '\n';
  }
}

}  // namespace tarnwick
