#include "Interface/dialogs/frmReverseProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QPointer<TfrmReverseProgress> TheWindow;

// The window shows what changed; no click or key is taken meanwhile, so that no command
// starts in the middle of the work.
void ProcessPaintEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

} // namespace

void TMyProgressBar::Start(const char* Caption, int Max) {
  max = std::max(Max, 0);
  step = 0;
  window->pbReverse->setRange(0, max);
  window->pbReverse->setValue(0);
  window->setWindowTitle(QString::fromUtf8(Caption ? Caption : ""));
  ProcessPaintEvents();
}

void TMyProgressBar::Step(const char* Text) {
  ++step;
  window->pbReverse->setValue(std::min(step, max));
  window->lDescription->setText(QString::fromUtf8(Text ? Text : ""));
  if (window->isVisible()) window->repaint();
}

TfrmReverseProgress::TfrmReverseProgress(QWidget* Parent)
    : QWidget(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("frmReverseProgress"));
  setWindowTitle(QStringLiteral("Průběh načítání z databáze"));
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  lDescription = new QLabel(this);
  lDescription->setObjectName(QStringLiteral("lDescription"));
  lDescription->setMinimumWidth(320);
  pbReverse = new QProgressBar(this);
  pbReverse->setObjectName(QStringLiteral("pbReverse"));
  pbReverse->setRange(0, 100);
  pbReverse->setValue(0);
  layout->addWidget(lDescription);
  layout->addWidget(pbReverse);
  FProgress = std::make_unique<TMyProgressBar>(this);
}

TfrmReverseProgress::~TfrmReverseProgress() {
  if (TheWindow == this) TheWindow = nullptr;
}

void SetProgressWindow(TfrmReverseProgress* Window) { TheWindow = Window; }
TfrmReverseProgress* ProgressWindow() { return TheWindow; }

void ShowProgress() {
  if (TheWindow && !TheWindow->isVisible()) {
    TheWindow->show();
    ProcessPaintEvents();
  }
}

void HideProgress() {
  if (TheWindow && TheWindow->isVisible()) TheWindow->hide();
}
