#include "Interface/dialogs/frmReverseItems.h"

#include "editor/PluginText.h"

#include "Interface/MorvikInterface.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {} // namespace

TfrmReverseItems::TfrmReverseItems(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmReverseItems"));
  setWindowTitle(QStringLiteral("Reverse"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  lCap = new QLabel(Content());
  lCap->setObjectName(QStringLiteral("lCap"));
  pcReverse = new QTabWidget(Content());
  pcReverse->setObjectName(QStringLiteral("pcReverse"));
  layout->addWidget(lCap);
  layout->addWidget(pcReverse, 1);
  auto* buttons = new QHBoxLayout;
  auto button = [&](const QString& Caption, const char* Name, void (TfrmReverseItems::*Click)()) {
    auto* b = new QPushButton(Caption, Content());
    b->setObjectName(QString::fromLatin1(Name));
    GuardedConnect(b, &QPushButton::clicked, [this, Click] { (this->*Click)(); });
    buttons->addWidget(b);
    return b;
  };
  btnSelectAll = button(QStringLiteral("Označ &vše"), "btnSelectAll", &TfrmReverseItems::btnSelectAllClick);
  btnDeselectAll =
      button(QStringLiteral("O&deznač vše"), "btnDeselectAll", &TfrmReverseItems::btnDeselectAllClick);
  btnReverseAll = button(QStringLiteral("O&brať"), "btnReverseAll", &TfrmReverseItems::btnReverseAllClick);
  btnSelectAllInAll = button(QStringLiteral("Označ vše ve všech záložkách"), "btnSelectAllInAll",
                             &TfrmReverseItems::btnSelectAllInAllClick);
  btnSelectAllInAll->hide();
  buttons->addStretch(1);
  layout->addLayout(buttons);
  SetFirstFocus(pcReverse);
  SetDialogSize(593, 330, dsResizable, QSize(593, 130));
}

bool TfrmReverseItems::Execute(Morvik::TReverseGroups* Groups, int Mode) {
  FGroups = Groups;
  FMode = Mode;
  LoadGroups();
  if (exec() != QDialog::Accepted) return false;
  StoreSelection();
  return true;
}

void TfrmReverseItems::LoadGroups() {
  lCap->setText(
      FMode == 1 ? QStringLiteral("Označte položky, které chcete reversovat:")
                 : QStringLiteral("Označte schémata (uživatele) a typy objektů, které chcete reversovat:"));
  btnSelectAllInAll->setVisible(FMode == 1);
  while (pcReverse->count() > 0) {
    QWidget* page = pcReverse->widget(0);
    pcReverse->removeTab(0);
    delete page;
  }
  if (!FGroups) return;
  for (int i = 0; i < FGroups->GetCount(); ++i) AddGroupPage(FGroups->GetGroup(i));
}

void TfrmReverseItems::AddGroupPage(Morvik::TReverseGroup* Group) {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* list = new QListWidget(page);
  list->setObjectName(QStringLiteral("chlbxReverse_%1").arg(pcReverse->count()));
  // Entries run down three columns.
  list->setFlow(QListView::TopToBottom);
  list->setWrapping(true);
  list->setResizeMode(QListView::Adjust);
  layout->addWidget(list);
  for (int j = 0; Group && j < Group->GetItemsCount(); ++j) {
    Morvik::TReverseItem* item = Group->GetItem(j);
    auto* entry = new QListWidgetItem(FromPlugin(item->GetText()), list);
    entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
    entry->setCheckState(item->GetSelected() == 1 ? Qt::Checked : Qt::Unchecked);
  }
  pcReverse->addTab(page, Group ? FromPlugin(Group->GetCaption()) : QString());
}

QListWidget* TfrmReverseItems::GetPageCheckList(int Page) const {
  QWidget* page = pcReverse->widget(Page);
  return page ? page->findChild<QListWidget*>(QStringLiteral("chlbxReverse_%1").arg(Page)) : nullptr;
}

void TfrmReverseItems::StoreSelection() {
  if (!FGroups) return;
  for (int i = 0; i < pcReverse->count() && i < FGroups->GetCount(); ++i) {
    QListWidget* list = GetPageCheckList(i);
    Morvik::TReverseGroup* group = FGroups->GetGroup(i);
    if (!list || !group) continue;
    for (int j = 0; j < group->GetItemsCount() && j < list->count(); ++j)
      group->GetItem(j)->SetSelected(list->item(j)->checkState() == Qt::Checked);
  }
}

void TfrmReverseItems::TickAll(QListWidget* List, TTick Tick) {
  if (!List) return;
  for (int j = 0; j < List->count(); ++j) {
    QListWidgetItem* entry = List->item(j);
    const bool on = Tick == TTick::Set || (Tick == TTick::Invert && entry->checkState() != Qt::Checked);
    entry->setCheckState(on ? Qt::Checked : Qt::Unchecked);
  }
}

void TfrmReverseItems::btnSelectAllClick() {
  TickAll(GetPageCheckList(pcReverse->currentIndex()), TTick::Set);
}
void TfrmReverseItems::btnDeselectAllClick() {
  TickAll(GetPageCheckList(pcReverse->currentIndex()), TTick::Clear);
}
void TfrmReverseItems::btnReverseAllClick() {
  TickAll(GetPageCheckList(pcReverse->currentIndex()), TTick::Invert);
}
void TfrmReverseItems::btnSelectAllInAllClick() {
  for (int i = 0; i < pcReverse->count(); ++i) TickAll(GetPageCheckList(i), TTick::Set);
}
