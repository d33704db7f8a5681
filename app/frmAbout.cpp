#include "app/frmAbout.h"

#include "Version.h"
#include "app/BuildStamp.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace {

QLabel* centredLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

QFrame* bevel(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

} // namespace

TfrmAbout::TfrmAbout(const QString& BuildDate, const QString& BuildTime, const QString& FileVersion,
                     QWidget* Parent)
    : TfrmAbstract(Parent) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QStringLiteral("O aplikaci Morvik"));

  auto* icon = new QLabel(this);
  icon->setFixedSize(33, 33);
  icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(33, 33));
  auto* title = new QLabel(QStringLiteral("Morvik"), this);
  title->setObjectName(QStringLiteral("lTitle"));
  QFont big(QStringLiteral("MS Sans Serif"));
  big.setPixelSize(32);
  big.setBold(true);
  title->setFont(big);

  lDateTime = centredLabel(this, BuildDate + QStringLiteral(" (") + BuildTime + QStringLiteral(")"));
  lDateTime->setObjectName(QStringLiteral("lDateTime"));
  auto* versionCaption = new QLabel(QStringLiteral("Verze:"), this);
  versionCaption->setObjectName(QStringLiteral("lVersionCaption"));
  lVersion = new QLabel(FileVersion.isEmpty() ? QStringLiteral("8.8.8.8") : FileVersion, this);
  lVersion->setObjectName(QStringLiteral("lVersion"));

  btnOK = new QPushButton(QStringLiteral("&OK"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setFixedSize(73, 25);
  btnOK->setDefault(true);
  GuardedConnect(btnOK, &QPushButton::clicked, [this] { done(mrOk); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 16, 8, 8);
  layout->setSpacing(2);
  auto* head = new QHBoxLayout;
  head->addSpacing(8);
  head->addWidget(icon);
  head->addSpacing(15);
  head->addWidget(title);
  head->addStretch(1);
  layout->addLayout(head);
  layout->addSpacing(4);
  layout->addWidget(lDateTime);
  auto* version = new QHBoxLayout;
  version->setSpacing(4);
  version->addStretch(1);
  version->addWidget(versionCaption);
  version->addWidget(lVersion);
  version->addStretch(1);
  layout->addLayout(version);
  layout->addSpacing(6);
  layout->addWidget(bevel(this));
  layout->addSpacing(4);
  layout->addWidget(centredLabel(this, QStringLiteral("Autoři:")));
  layout->addWidget(centredLabel(this, QStringLiteral("vývojový tým Morvik")));
  layout->addWidget(centredLabel(this, QStringLiteral("modelování databází")));
  layout->addWidget(centredLabel(this, QStringLiteral("a dokumentace schémat")));
  layout->addSpacing(6);
  layout->addWidget(bevel(this));
  layout->addStretch(1);
  layout->addWidget(btnOK, 0, Qt::AlignHCenter);

  // A dialog border: the Part's size, or what the texts need if that is more.
  layout->activate();
  setFixedSize(QSize(208, 212).expandedTo(layout->minimumSize()));
  CenterOnScreen();
  btnOK->setFocus();
}

TfrmAbout::TfrmAbout(QWidget* Parent)
    : TfrmAbout(TBuildStamp::Program().Date, TBuildStamp::Program().Time, QStringLiteral(MORVIK_FILE_VERSION),
                Parent) {}

void TfrmAbout::reject() {
  ui::Guarded([this] { done(mrOk); }, windowTitle());
}
