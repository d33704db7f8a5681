#include "Interface/dialogs/RowsPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

TRowsPage::TRowsPage(const char* PageName, const char* ListName, QWidget* Parent) : QWidget(Parent) {
  setObjectName(QString::fromLatin1(PageName));
  list = new QTreeWidget(this);
  list->setObjectName(QString::fromLatin1(ListName));
  list->setRootIsDecorated(false);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #d0d0d0; }"));
  buttons = new QVBoxLayout;
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
}

QPushButton* TRowsPage::AddButton(const QString& Caption, const char* Name) {
  auto* button = new QPushButton(Caption, this);
  button->setObjectName(QString::fromLatin1(Name));
  // Above the stretch that keeps the column at the top.
  buttons->insertWidget(buttons->count() - 1, button);
  return button;
}

void TRowsPage::AddGap(int Height) { buttons->insertSpacing(buttons->count() - 1, Height); }

int TRowsPage::SelectedRow() const {
  QTreeWidgetItem* item = list->currentItem();
  return item && item->isSelected() ? list->indexOfTopLevelItem(item) : -1;
}

void TRowsPage::SelectRow(int Row) {
  if (Row < 0 || Row >= list->topLevelItemCount()) {
    list->setCurrentItem(nullptr);
    list->clearSelection();
    return;
  }
  list->setCurrentItem(list->topLevelItem(Row));
}

void TRowsPage::KeepSelectionAt(int Previous) {
  const int count = list->topLevelItemCount();
  SelectRow(Previous < 0 || count == 0 ? -1 : std::min(Previous, count - 1));
}
