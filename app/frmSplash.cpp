#include "app/frmSplash.h"

#include "Version.h"
#include "app/BuildStamp.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace {

constexpr int Border = 2;

QLabel* TextLabel(QWidget* Parent, const char* Name, const QString& Text) {
  auto* label = new QLabel(Text, Parent);
  label->setObjectName(QLatin1String(Name));
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(p);
  return label;
}

// A right-aligned label keeps its right edge where the form text of its width ended.
void PlaceRight(QLabel* Label, int Left, int Top) {
  const int right = Border + Left + Label->sizeHint().width();
  Label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  Label->setGeometry(right - 200, Border + Top, 200, Label->sizeHint().height());
}

} // namespace

TfrmSplash::TfrmSplash(const QString& BuildDate, const QString& BuildTime, const QString& FileVersion,
                       QWidget* Parent)
    : QWidget(Parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
  Q_INIT_RESOURCE(pictures);
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  setPalette(p);
  setAutoFillBackground(true);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);

  Image1 = new QLabel(this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/splash.png")));
  Image1->setGeometry(Border, Border, 443, 233);
  setFixedSize(443 + 2 * Border, 233 + 2 * Border);

  lProgress = TextLabel(this, "lProgress", QStringLiteral("Inicializace aplikace"));
  lProgress->setGeometry(Border + 8, Border + 212, 300, 16);
  Label1 = TextLabel(this, "Label1", QStringLiteral("Verze:"));
  Label1->move(Border + 356, Border + 8);
  lVersion = TextLabel(this, "lVersion", QStringLiteral("8.8.8.8"));
  QFont bold = lVersion->font();
  bold.setBold(true);
  lVersion->setFont(bold);
  PlaceRight(lVersion, 392, 8);
  lDateTime = TextLabel(this, "lDateTime", QStringLiteral("Date"));
  PlaceRight(lDateTime, 409, 24);

  if (!FileVersion.isEmpty()) {
    lVersion->setText(FileVersion);
    lDateTime->setText(BuildDate + QStringLiteral(" (") + BuildTime + QStringLiteral(")"));
  }
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
}

TfrmSplash::TfrmSplash(QWidget* Parent)
    : TfrmSplash(TBuildStamp::Program().Date, TBuildStamp::Program().Time,
                 QStringLiteral(MORVIK_FILE_VERSION), Parent) {}

void TfrmSplash::SetProgressText(const QString& Text) {
  lProgress->setText(Text);
  lProgress->repaint();
}
