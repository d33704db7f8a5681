#include "app/frmAbout.h"

#include "Version.h"
#include "ui/MB.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* centredLabel(QWidget* parent, const QString& text, int y) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  label->setGeometry(8, y, 192, 14);
  return label;
}

} // namespace

TfrmAbout::TfrmAbout(const QString& BuildDate, const QString& BuildTime, const QString& FileVersion,
                     QWidget* Parent)
    : TfrmAbstract(Parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("O aplikaci Morvik"));
  setFixedSize(208, 212);
  CenterOnScreen();

  auto* icon = new QLabel(this);
  icon->setGeometry(16, 16, 33, 33);
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(33, 33));

  auto* title = new QLabel(QStringLiteral("Morvik"), this);
  QFont big(QStringLiteral("MS Sans Serif"));
  big.setPixelSize(32);
  big.setBold(true);
  title->setFont(big);
  title->move(64, 16);
  title->adjustSize();

  lDateTime = new QLabel(BuildDate + QStringLiteral(" (") + BuildTime + QStringLiteral(")"), this);
  lDateTime->setObjectName(QStringLiteral("lDateTime"));
  lDateTime->setAlignment(Qt::AlignHCenter);
  lDateTime->setGeometry(32, 56, 129, 14);

  auto* versionCaption = new QLabel(QStringLiteral("Verze:"), this);
  versionCaption->move(64, 72);
  lVersion = new QLabel(FileVersion.isEmpty() ? QStringLiteral("8.8.8.8") : FileVersion, this);
  lVersion->setObjectName(QStringLiteral("lVersion"));
  lVersion->move(99, 72);

  auto* top = new QFrame(this);
  top->setFrameShape(QFrame::HLine);
  top->setGeometry(8, 92, 192, 2);
  centredLabel(this, QStringLiteral("Autoři:"), 100);
  centredLabel(this, QStringLiteral("vývojový tým Morvik"), 116);
  centredLabel(this, QStringLiteral("modelování databází"), 132);
  centredLabel(this, QStringLiteral("a dokumentace schémat"), 148);
  auto* bottom = new QFrame(this);
  bottom->setFrameShape(QFrame::HLine);
  bottom->setGeometry(8, 172, 192, 2);

  btnOK = new QPushButton(QStringLiteral("&OK"), this);
  btnOK->setGeometry(64, 184, 73, 25);
  btnOK->setDefault(true);
  connect(btnOK, &QPushButton::clicked, this, [this] { Guard([this] { done(mrOk); }); });
}

TfrmAbout::TfrmAbout(QWidget* Parent)
    : TfrmAbout(QStringLiteral(__DATE__), QStringLiteral(__TIME__), QStringLiteral(MORVIK_FILE_VERSION),
                Parent) {}

void TfrmAbout::reject() {
  Guard([this] { done(mrOk); });
}
