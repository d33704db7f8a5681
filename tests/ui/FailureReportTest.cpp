#include "ui/FailureReport.h"

#include "ui/Exception.h"
#include "ui/MB.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct TShownBox {
  QString text;
  QString title;
};

// Runs Emit and returns what the message box showed meanwhile (empty when none came up).
TShownBox shownWhile(const std::function<void()>& Emit) {
  TShownBox shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    shown = {box->lMsg->text(), box->windowTitle()};
    box->done(mrOk);
  });
  Emit();
  return shown;
}

} // namespace

// A guarded slot gets the signal's argument, or none when it takes none; what it throws is shown
// under the title it was connected for and goes no further.
TEST(GuardedConnect, ShowsAFailureUnderTheChosenTitleAndKeepsItFromTheCaller) {
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Vlastnosti entity"));
  auto* frame = new QWidget(&dialog); // no title of its own: the dialog's is shown
  auto* docked = new QWidget(&dialog);
  docked->setWindowTitle(QStringLiteral("Prohlížeč")); // a window docked inside another one
  auto* combo = new QComboBox(&dialog);
  combo->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});

  struct Case {
    const char* name;
    QObject* context;
    ui::TFailureTitle title;
    QString shownTitle;
  };
  const std::vector<Case> cases = {
      {"a widget inside a window", frame, ui::TFailureTitle::Context, QStringLiteral("Vlastnosti entity")},
      {"a widget with its own title", docked, ui::TFailureTitle::Context, QStringLiteral("Prohlížeč")},
      {"the program's name asked for", frame, ui::TFailureTitle::Program, QStringLiteral("Morvik")},
      {"no widget as the context", combo->model(), ui::TFailureTitle::Context, QStringLiteral("Morvik")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    combo->setCurrentIndex(0);
    auto throwing = [](int Index) { throw ui::Exception(QStringLiteral("řádek %1").arg(Index)); };
    const QMetaObject::Connection connection =
        c.context == combo->model()
            ? ui::GuardedConnect(combo, &QComboBox::currentIndexChanged, combo->model(), throwing, c.title)
            : ui::GuardedConnect(combo, &QComboBox::currentIndexChanged, static_cast<QWidget*>(c.context),
                                 throwing, c.title);
    const TShownBox shown = shownWhile([&] { combo->setCurrentIndex(2); });
    QObject::disconnect(connection);
    EXPECT_EQ(shown.text, QStringLiteral("řádek 2"));
    EXPECT_EQ(shown.title, c.shownTitle);
  }

  // A slot that takes nothing, on a signal that carries an argument.
  int calls = 0;
  ui::GuardedConnect(combo, &QComboBox::currentIndexChanged, frame, [&calls] { ++calls; });
  const TShownBox shown = shownWhile([&] { combo->setCurrentIndex(1); });
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(shown.text.isEmpty());
}
