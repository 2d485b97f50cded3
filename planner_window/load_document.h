#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>

#include "load/load_model.h"

namespace tarnwick {

// The load the planner window edits, with its undo history and the file it came from. Every
// change goes through Propose, which keeps a value the load cannot take out: the document only
// ever holds loads that pass DraftLoadProblem(), so once a load has a group it can be flown.
class LoadDocument : public QObject {
  Q_OBJECT

 public:
  explicit LoadDocument(QObject* parent = nullptr);

  const load::Load& Load() const { return load_; }
  QUndoStack& UndoStack() { return undo_; }

  // Makes `next` the load as one undoable step named `what`, or returns the reason it cannot
  // be taken and leaves the load as it is. Consecutive edits with the same `mergeKey` (not -1)
  // undo as one, as a number typed digit by digit.
  QString Propose(const load::Load& next, const QString& what, int mergeKey = -1);

  // A new history: the load opened from `path` (empty for one not saved yet), unmodified.
  void Reset(const load::Load& load, const QString& path);
  QString Path() const { return path_; }
  // After a save: the file is now `path` and matches the load.
  void MarkSaved(const QString& path);
  bool IsModified() const { return !undo_.isClean(); }

 signals:
  // The load changed: an edit, an undo or redo, or a reset.
  void loadChanged();
  // The history was replaced (Reset): views drop what they held about the old load.
  void loadReset();
  void pathChanged();

 private:
  friend class LoadEditCommand;
  void Install(const load::Load& load);

  load::Load load_;
  QUndoStack undo_;
  QString path_;
};

}  // namespace tarnwick
