#include "ui/MB.h"

#include "ui/ButtonSize.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int BoxWidth = 550;
constexpr int BoxHeight = 300;
constexpr int WrapWidth = 450;
using ui::ButtonGap;
using ui::ButtonHeight;
using ui::ButtonWidth;
constexpr int ButtonsHeight = 33;
constexpr int BmpSize = 49;

struct TButtonKind {
  TMsgDlgBtn button;
  const char* caption;
  std::uint16_t result;
};

// In creation priority; NoToAll and YesToAll have no button.
const TButtonKind ButtonKinds[] = {
    {mbHelp, "Nápově&da", mrNone},
    {mbOK, "&OK", mrOk},
    {mbYes, "&Ano", mrYes},
    {mbNo, "&Ne", mrNo},
    {mbAbort, "&Přerušit", mrAbort},
    {mbRetry, "&Znovu", mrRetry},
    {mbIgnore, "&Ignorovat", mrIgnore},
    {mbAll, "&Všechny", mrAll},
    {mbCancel, "&Zrušit", mrCancel},
};

QStyle::StandardPixmap pixmapFor(TMsgDlgType type) {
  switch (type) {
    case mtWarning: return QStyle::SP_MessageBoxWarning;
    case mtError: return QStyle::SP_MessageBoxCritical;
    case mtInformation: return QStyle::SP_MessageBoxInformation;
    default: return QStyle::SP_MessageBoxQuestion;
  }
}

TfMB* theBox = nullptr;

} // namespace

TfMB::TfMB(QWidget* Parent) : QDialog(Parent) {
  setObjectName(QStringLiteral("fMB"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(542, 273);

  pnBMP = new QWidget(this);
  pnBMP->setObjectName(QStringLiteral("pnBMP"));
  pnBMP->setGeometry(0, 0, BmpSize, BmpSize);
  imBMP = new QLabel(pnBMP);
  imBMP->setObjectName(QStringLiteral("imBMP"));
  imBMP->setGeometry(7, 7, 34, 34);

  lMsg = new QLabel(this);
  lMsg->setObjectName(QStringLiteral("lMsg"));
  lMsg->setWordWrap(true);
  lMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lMsg->move(73, 8);

  pnButtons = new QWidget(this);
  pnButtons->setObjectName(QStringLiteral("pnButtons"));
}

TfMB* TfMB::Instance() {
  if (theBox == nullptr) {
    theBox = new TfMB();
    qAddPostRoutine([] {
      delete theBox;
      theBox = nullptr;
    });
  }
  return theBox;
}

void TfMB::freeButtons() {
  for (QPushButton* b : buttons) delete b;
  buttons.clear();
  focusButton = nullptr;
}

void TfMB::Prepare(const QString& Msg, const QString& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                   TMsgDlgBtn DefaultBtn, int HelpCtx) {
  freeButtons();
  setFixedSize(BoxWidth, BoxHeight);
  lMsg->resize(WrapWidth, 1);
  helpContext = HelpCtx;

  imBMP->clear();
  if (DlgType != mtCustom) imBMP->setPixmap(style()->standardIcon(pixmapFor(DlgType)).pixmap(34, 34));

  setWindowTitle(Caption);
  lMsg->setText(Msg);
  // The label wraps at the wrap width and takes the size of the wrapped text.
  const QRect text =
      lMsg->fontMetrics().boundingRect(QRect(0, 0, WrapWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft, Msg);
  const int w = text.width();
  const int h = text.height();
  lMsg->resize(w, h);

  int clientWidth = pnBMP->width() + w + 50;
  const int clientHeight = std::max(h + 20 + ButtonsHeight, pnBMP->height() + ButtonsHeight);

  int x = 10;
  TMsgDlgButtons remaining = Buttons;
  for (const TButtonKind& kind : ButtonKinds) {
    const TMsgDlgButtons bit = 1u << kind.button;
    if ((remaining & bit) == 0) continue;
    remaining &= ~bit;
    auto* button = new QPushButton(QString::fromUtf8(kind.caption), pnButtons);
    button->setGeometry(x, 0, ButtonWidth, ButtonHeight);
    // Return presses the focused button, never the default one instead.
    button->setAutoDefault(true);
    const std::uint16_t result = kind.result;
    if (result != mrNone) connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
    buttons.push_back(button);
    if (kind.button == DefaultBtn) focusButton = button;
    x += ButtonWidth + ButtonGap;
  }
  if (focusButton == nullptr && !buttons.empty()) focusButton = buttons.front();

  const int rowWidth = x + 5;
  // No window frame is drawn around the client here, so the outer width is the client width.
  if (clientWidth < rowWidth + 10) clientWidth = rowWidth + 10;
  const int shift = (clientWidth - rowWidth) / 2;
  for (QPushButton* b : buttons) b->move(b->x() + shift, b->y());

  setFixedSize(clientWidth, clientHeight);
  pnButtons->setGeometry(0, clientHeight - ButtonsHeight, clientWidth, ButtonsHeight);

  const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                        : QRect(0, 0, 1024, 768);
  move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
  if (focusButton != nullptr) {
    focusButton->setDefault(true);
    focusButton->setFocus();
  }
}

std::uint16_t TfMB::Execute(const QString& Msg, const QString& Caption, TMsgDlgType DlgType,
                            TMsgDlgButtons Buttons, TMsgDlgBtn DefaultBtn, int HelpCtx) {
  Prepare(Msg, Caption, DlgType, Buttons, DefaultBtn, HelpCtx);
  if (focusButton != nullptr) focusButton->setFocus();
  const int result = exec();
  freeButtons();
  return static_cast<std::uint16_t>(result);
}

void TfMB::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Escape) {
    Event->accept();
    done(mrCancel);
    return;
  }
  QDialog::keyPressEvent(Event);
}

void TfMB::reject() { done(mrCancel); }

std::uint16_t MB(const QString& Msg, const QString& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                 TMsgDlgBtn DefaultBtn, int HelpCtx) {
  return TfMB::Instance()->Execute(Msg, Caption, DlgType, Buttons, DefaultBtn, HelpCtx);
}
