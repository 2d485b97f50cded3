#include "planner_window/cell_delegates.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

#include "planner_window/cell_problems.h"
#include "planner_window/cell_text.h"

namespace tarnwick {

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  if (index.data(kProblemRole).toString().isEmpty()) return;
  painter->save();
  QPen pen(QColor(0xD0, 0x00, 0x00));
  pen.setWidth(2);
  pen.setJoinStyle(Qt::MiterJoin);
  painter->setPen(pen);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
  painter->restore();
}

ChoiceDelegate::ChoiceDelegate(QStringList choices, QObject* parent)
    : CellDelegate(parent), choices_(std::move(choices)) {}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const {
  auto* combo = new QComboBox(parent);
  combo->addItems(choices_);
  // A choice is made when it is picked, not only when the cell is left.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    emit const_cast<ChoiceDelegate*>(this)->commitData(combo);
    emit const_cast<ChoiceDelegate*>(this)->closeEditor(combo);
  });
  return combo;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  combo->setCurrentIndex(static_cast<int>(
      std::max<qsizetype>(0, choices_.indexOf(index.data(Qt::EditRole).toString()))));
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

QWidget* FallRateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->addItems({QStringLiteral("Slow"), QStringLiteral("Fast")});
  combo->setToolTip(kFallRateHelp);
  combo->lineEdit()->setPlaceholderText(QStringLiteral("Slow, Fast, 120 mph, 3.5 sq ft"));
  connect(combo, &QComboBox::activated, this, [this, combo] {
    emit const_cast<FallRateDelegate*>(this)->commitData(combo);
    emit const_cast<FallRateDelegate*>(this)->closeEditor(combo);
  });
  return combo;
}

void FallRateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  auto* combo = static_cast<QComboBox*>(editor);
  const QString text = index.data(Qt::EditRole).toString();
  const int item = combo->findText(text);
  if (item >= 0) combo->setCurrentIndex(item);
  combo->setEditText(text);
}

void FallRateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
  model->setData(index, static_cast<QComboBox*>(editor)->currentText(), Qt::EditRole);
}

}  // namespace tarnwick
