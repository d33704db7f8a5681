#include "ui/frmAbstract.h"

#include "ui/Exception.h"
#include "ui/MB.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <exception>

TfrmAbstract::TfrmAbstract(QWidget* Parent) : QDialog(Parent) {
  resize(413, 352);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  CenterOnScreen();
}

QString TfrmAbstract::UnexpectedErrorText() { return QStringLiteral("Nastala neočekávaná chyba."); }

void TfrmAbstract::Guard(const std::function<void()>& Action) {
  try {
    Action();
  } catch (...) {
    ShowFailure(std::current_exception());
  }
}

void TfrmAbstract::ShowFailure(std::exception_ptr Error) {
  const QString message = ui::MessageOf(Error, UnexpectedErrorText());
  try {
    MB(message, windowTitle(), mtError, MsgButtons({mbOK}));
  } catch (...) {
    qWarning("%s", qPrintable(message));
  }
}

void TfrmAbstract::CenterOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

TfrmAbstractDialog::TfrmAbstractDialog(QWidget* Parent) : TfrmAbstract(Parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  btnOK = new QPushButton(QStringLiteral("&OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setGeometry(248, 296, 75, 25);
  btnOK->setDefault(true);
  btnCancel = new QPushButton(QStringLiteral("&Zrušit"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setGeometry(328, 296, 75, 25);
  btnCancel->setAutoDefault(false);
  connect(btnOK, &QPushButton::clicked, this, [this] {
    Guard([this] {
      if (CanClose()) done(mrOk);
    });
  });
  connect(btnCancel, &QPushButton::clicked, this, [this] { Guard([this] { done(mrCancel); }); });
  SetClientSize(408, 352);
}

void TfrmAbstractDialog::SetClientSize(int Width, int Height) { resize(Width, Height); }

void TfrmAbstractDialog::reject() {
  Guard([this] { done(mrCancel); });
}
