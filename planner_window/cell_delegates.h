#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

namespace tarnwick {

// The planner's input cells: a cell whose text the load refused is framed in red (its tooltip,
// from the model, says why).
class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

// A cell chosen from a fixed list (a wind layer given as a headwind or with a direction).
class ChoiceDelegate : public CellDelegate {
  Q_OBJECT

 public:
  ChoiceDelegate(QStringList choices, QObject* parent);
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;

 private:
  QStringList choices_;
};

// The fall rate: Slow or Fast from the list, or a terminal speed or drag area typed in, with
// the speed units offered as completions of a typed number.
class FallRateDelegate : public CellDelegate {
  Q_OBJECT

 public:
  using CellDelegate::CellDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
};

}  // namespace tarnwick
