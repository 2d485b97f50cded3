#include "planner_window/load_field_edit.h"

#include <QKeyEvent>

#include "planner_window/load_document.h"

namespace tarnwick {
namespace {

// Merge keys of the boxes lie above every other edit's (which never merge): the field in the
// high bits, the typing session in the low ones.
constexpr int kSessionBits = 16;

}  // namespace

LoadFieldEdit::LoadFieldEdit(LoadDocument& document, int fieldKey, QString what, Show show,
                             Apply apply, QWidget* parent)
    : QLineEdit(parent),
      document_(document),
      fieldKey_(fieldKey),
      what_(std::move(what)),
      show_(std::move(show)),
      apply_(std::move(apply)) {
  setText(show_(document_.Load()));
  connect(this, &QLineEdit::textEdited, this, &LoadFieldEdit::OnTextEdited);
  connect(this, &QLineEdit::editingFinished, this, &LoadFieldEdit::OnEditingFinished);
  connect(&document_, &LoadDocument::loadChanged, this, &LoadFieldEdit::OnLoadChanged);
  connect(&document_, &LoadDocument::loadReset, this, &LoadFieldEdit::ShowLoad);
}

bool LoadFieldEdit::event(QEvent* event) {
  // Ctrl+Z undoes the typing in the box first, as in every text box; once there is none left
  // to undo (or redo), the key goes to the window's Undo (Redo) of the load's edits.
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->matches(QKeySequence::Undo) && !isUndoAvailable()) ||
        (key->matches(QKeySequence::Redo) && !isRedoAvailable())) {
      event->ignore();
      return false;
    }
  }
  return QLineEdit::event(event);
}

void LoadFieldEdit::focusInEvent(QFocusEvent* event) {
  ++session_;
  QLineEdit::focusInEvent(event);
}

void LoadFieldEdit::OnTextEdited(const QString& text) {
  if (text == show_(document_.Load())) {
    SetProblem({});
    return;
  }
  load::Load next = document_.Load();
  QString problem = apply_(text, next);
  if (problem.isEmpty()) {
    applying_ = true;
    problem = document_.Propose(next, what_, (fieldKey_ + 1) << kSessionBits | (session_ & 0xFFFF));
    applying_ = false;
  }
  if (!problem.isEmpty()) shownWhenRefused_ = show_(document_.Load());
  SetProblem(problem);
}

void LoadFieldEdit::OnLoadChanged() {
  // While typing, the load follows the box, not the other way round.
  if (applying_) return;
  const QString shown = show_(document_.Load());
  // A refused text stays while the load's own value for this box is what it was: an edit
  // elsewhere does not wipe it. An undo or a change of units here shows the load again.
  if (!problem_.isEmpty() && shown == shownWhenRefused_) return;
  ShowLoad();
}

void LoadFieldEdit::OnEditingFinished() {
  const QString problem = problem_;
  ShowLoad();
  if (!problem.isEmpty()) emit refused(QStringLiteral("%1 not done: %2").arg(what_, problem));
}

void LoadFieldEdit::ShowLoad() {
  const QString shown = show_(document_.Load());
  if (text() != shown) setText(shown);
  SetProblem({});
}

void LoadFieldEdit::SetProblem(const QString& problem) {
  if (problem == problem_) return;
  if (problem_.isEmpty()) normalToolTip_ = toolTip();
  problem_ = problem;
  setProperty("problem", !problem.isEmpty());
  setStyleSheet(problem.isEmpty() ? QString()
                                  : QStringLiteral("QLineEdit { border: 2px solid #d00000; }"));
  setToolTip(problem.isEmpty() ? normalToolTip_ : problem);
}

}  // namespace tarnwick
