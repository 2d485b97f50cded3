#pragma once

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "load/load_edits.h"

namespace tarnwick::load::testing {

// The edit made, or a failure and an empty load when it was refused.
inline EditedLoad Made(const EditOutcome& outcome) {
  if (const auto* refusal = std::get_if<EditRefusal>(&outcome)) {
    ADD_FAILURE() << "refused: " << refusal->reason;
    return {};
  }
  return std::get<EditedLoad>(outcome);
}

// Why the edit was refused, or "(made)".
inline std::string Refusal(const EditOutcome& outcome) {
  const auto* refusal = std::get_if<EditRefusal>(&outcome);
  return refusal ? refusal->reason : std::string("(made)");
}

}  // namespace tarnwick::load::testing
