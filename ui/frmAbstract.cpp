#include "ui/frmAbstract.h"

#include "ui/ButtonSize.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <exception>

TfrmAbstract::TfrmAbstract(QWidget* Parent) : QDialog(Parent) {
  resize(413, 352);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  CenterOnScreen();
}

void TfrmAbstract::CenterOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

namespace {

using ui::ButtonGap;
using ui::ButtonHeight;
using ui::ButtonWidth;
constexpr int Margin = 8;
// The default client size: the content over the list area of a property dialog, the row
// under it.
constexpr int DefaultWidth = 408;
constexpr int DefaultHeight = 329;

} // namespace

TfrmAbstractDialog::TfrmAbstractDialog(QWidget* Parent) : TfrmAbstract(Parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(Margin, Margin, Margin, Margin);
  frame->setSpacing(7);
  pnContent = new QWidget(this);
  pnContent->setObjectName(QStringLiteral("pnContent"));
  frame->addWidget(pnContent, 1);
  buttonRow = new QHBoxLayout;
  buttonRow->setSpacing(ButtonGap);
  buttonRow->addStretch(1);
  frame->addLayout(buttonRow);

  btnOK = AddButton(QStringLiteral("&OK"), "btnOK");
  btnOK->setDefault(true);
  btnCancel = AddButton(QStringLiteral("&Zrušit"), "btnCancel");
  GuardedConnect(btnOK, &QPushButton::clicked, [this] {
    if (CanClose()) done(mrOk);
  });
  GuardedConnect(btnCancel, &QPushButton::clicked, [this] { done(mrCancel); });
  SetDialogSize(DefaultWidth, DefaultHeight);
}

QPushButton* TfrmAbstractDialog::AddButton(const QString& Caption, const char* Name) {
  auto* button = new QPushButton(Caption, this);
  button->setObjectName(QString::fromLatin1(Name));
  // Auto-default: Return presses the button while it has the focus.
  button->setAutoDefault(true);
  QString plain = Caption;
  plain.remove(QLatin1Char('&'));
  button->setFixedSize(std::max(ButtonWidth, button->fontMetrics().horizontalAdvance(plain) + 16),
                       ButtonHeight);
  buttonRow->addWidget(button);
  rowButtons.push_back(button);
  return button;
}

void TfrmAbstractDialog::SetDialogSize(int Width, int Height, TDialogSizing Sizing, QSize Minimum) {
  sizing = Sizing;
  startSize = QSize(Width, Height);
  minimumClientSize = Minimum.isValid() ? Minimum : QSize(0, 0);
  if (sizing == dsFixed) {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
  } else {
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, false);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(startSize);
  }
  applySizing();
  CenterOnScreen();
}

void TfrmAbstractDialog::applySizing() {
  layout()->activate();
  const QSize needed = layout()->minimumSize();
  if (sizing == dsFixed) {
    setFixedSize(startSize.expandedTo(needed));
  } else {
    setMinimumSize(minimumClientSize.expandedTo(needed));
    if (width() < minimumWidth() || height() < minimumHeight()) resize(size().expandedTo(minimumSize()));
  }
}

void TfrmAbstractDialog::SetContentTabOrder(std::initializer_list<QWidget*> Controls) {
  QWidget* previous = nullptr;
  for (QWidget* control : Controls) {
    if (previous != nullptr) QWidget::setTabOrder(previous, control);
    previous = control;
  }
}

void TfrmAbstractDialog::buttonsLastInTabOrder() {
  QWidget* last = nullptr;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
    if (std::find(rowButtons.begin(), rowButtons.end(), w) == rowButtons.end()) last = w;
  for (QPushButton* button : rowButtons) {
    if (last != nullptr) QWidget::setTabOrder(last, button);
    last = button;
  }
}

QWidget* TfrmAbstractDialog::firstContentControl() const {
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain())
    if (pnContent->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
        w->isVisibleTo(this))
      return w;
  return nullptr;
}

void TfrmAbstractDialog::showEvent(QShowEvent* Event) {
  TfrmAbstract::showEvent(Event);
  ui::Guarded(
      [this] {
        applySizing();
        buttonsLastInTabOrder();
        QWidget* first = firstFocus != nullptr ? firstFocus.data() : firstContentControl();
        (first != nullptr ? first : btnOK)->setFocus(Qt::OtherFocusReason);
      },
      windowTitle());
}

void TfrmAbstractDialog::reject() {
  ui::Guarded([this] { done(mrCancel); }, windowTitle());
}
