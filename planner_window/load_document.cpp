#include "planner_window/load_document.h"

#include <QUndoCommand>

#include "load/load_file.h"

namespace tarnwick {

// One edit as the loads before and after it: a load is a few dozen numbers, so keeping both
// is simpler and safer than inverting each kind of edit.
class LoadEditCommand : public QUndoCommand {
 public:
  LoadEditCommand(LoadDocument& document, load::Load before, load::Load after, const QString& what,
                  int mergeKey)
      : QUndoCommand(what),
        document_(document),
        before_(std::move(before)),
        after_(std::move(after)),
        mergeKey_(mergeKey) {}

  void undo() override { document_.Install(before_); }
  void redo() override { document_.Install(after_); }
  int id() const override { return mergeKey_; }
  bool mergeWith(const QUndoCommand* other) override {
    after_ = static_cast<const LoadEditCommand*>(other)->after_;
    // Typing that ends where it began (a box's own Ctrl+Z) leaves no empty step to undo.
    if (load::WriteLoadText(after_) == load::WriteLoadText(before_)) {
      document_.Install(before_);
      setObsolete(true);
    }
    return true;
  }

 private:
  LoadDocument& document_;
  load::Load before_, after_;
  int mergeKey_;
};

LoadDocument::LoadDocument(QObject* parent) : QObject(parent) {
  connect(&undo_, &QUndoStack::cleanChanged, this, [this] { emit pathChanged(); });
}

QString LoadDocument::Propose(const load::Load& next, const QString& what, int mergeKey) {
  // A load being built may have no group yet; it is flown and saved only once it has one.
  if (const auto problem = load::DraftLoadProblem(next)) return QString::fromStdString(*problem);
  undo_.push(new LoadEditCommand(*this, load_, next, what, mergeKey));
  return {};
}

void LoadDocument::Install(const load::Load& load) {
  load_ = load;
  emit loadChanged();
}

void LoadDocument::Reset(const load::Load& load, const QString& path) {
  undo_.clear();
  path_ = path;
  load_ = load;
  emit loadReset();
  emit loadChanged();
  emit pathChanged();
}

void LoadDocument::MarkSaved(const QString& path) {
  path_ = path;
  undo_.setClean();
  emit pathChanged();
}

}  // namespace tarnwick
