#pragma once

#include <QLineEdit>
#include <functional>

#include "load/load_model.h"

namespace tarnwick {

class LoadDocument;

// One number of the load outside the tables (airspeed, exit altitude, heading, target, minimum
// delay, the load's name), typed into a box. What is typed goes into the load as soon as it
// reads as a value the load accepts; until then the box keeps the text, framed in red, with
// the reason as its tooltip, and the load keeps its last good value. Once the edit is over
// (Return, or the focus moves on) the box shows the load's value again, and a text the load
// did not take is reported with its reason (refused): a box never shows what the load does
// not hold. One typing session undoes as one step.
class LoadFieldEdit : public QLineEdit {
  Q_OBJECT

 public:
  // The box's text for a load, and how a text changes a load (returns the reason it cannot).
  using Show = std::function<QString(const load::Load&)>;
  using Apply = std::function<QString(const QString& text, load::Load& load)>;

  LoadFieldEdit(LoadDocument& document, int fieldKey, QString what, Show show, Apply apply,
                QWidget* parent = nullptr);

  QString Problem() const { return problem_; }

 signals:
  // The edit ended on a text the load did not take; `message` names the box and the reason.
  void refused(const QString& message);

 protected:
  bool event(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  void OnTextEdited(const QString& text);
  void OnLoadChanged();
  void OnEditingFinished();
  // The load's value, without a problem: after an edit, and for a new load (New Load, Open),
  // so that nothing typed for the old one stays.
  void ShowLoad();
  void SetProblem(const QString& problem);

  LoadDocument& document_;
  int fieldKey_;
  int session_ = 0;
  QString what_;
  Show show_;
  Apply apply_;
  QString problem_;
  QString shownWhenRefused_;
  QString normalToolTip_;
  bool applying_ = false;
};

}  // namespace tarnwick
