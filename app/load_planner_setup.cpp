#include "app/load_planner_setup.h"

#include <QString>

#include "briefing/briefing_actions.h"
#include "briefing/briefing_file.h"
#include "load_pictures/load_side_view.h"
#include "load_pictures/load_top_view.h"
#include "load_pictures/tracks_of_flight.h"
#include "planner_window/load_document.h"
#include "planner_window/load_planner_window.h"

namespace tarnwick {
namespace {

// The sheet of the load as it stands now: the latest answer when it is of this load, else one
// worked out at once, so a briefing never shows an answer older than the last edit.
std::optional<BriefingSheet> SheetOf(LoadPlannerWindow& planner, QString& why) {
  const load::Load& load = planner.Document().Load();
  if (const auto problem = load::LoadProblem(load)) {
    why = QString::fromStdString(*problem);
    return std::nullopt;
  }
  std::shared_ptr<const LoadAnswer> answer = planner.Answer();
  if (!answer || planner.AnswerPending()) {
    answer = std::make_shared<const LoadAnswer>(AnswerFor(load));
  }
  return MakeBriefingSheet(*answer, BriefingNameForFile(planner.Document().Path().toStdString()),
                           BriefingDateToday());
}

}  // namespace

std::unique_ptr<LoadPlannerWindow> MakeLoadPlanner() {
  auto planner = std::make_unique<LoadPlannerWindow>();
  LoadPlannerWindow* window = planner.get();

  auto* side = new LoadSideView;
  auto* top = new LoadTopView;
  side->setObjectName(QStringLiteral("sideView"));
  top->setObjectName(QStringLiteral("topView"));
  window->SetPictures(side, top);
  QObject::connect(window, &LoadPlannerWindow::answerChanged, side, [window, side, top] {
    // The pictures show the window's answer, and nothing when there is none.
    const std::shared_ptr<const LoadAnswer> answer = window->Answer();
    if (!answer) {
      side->setTracks({});
      top->setTracks({});
      return;
    }
    LoadTracks tracks = TracksOfOutcome(*answer);
    side->setTracks(tracks);
    top->setTracks(std::move(tracks));
  });

  const BriefingActions briefing =
      MakeBriefingActions(window, [window](QString& why) { return SheetOf(*window, why); });
  window->AddFileAction(briefing.exportBriefing);
  window->AddFileAction(briefing.print);
  return planner;
}

}  // namespace tarnwick
