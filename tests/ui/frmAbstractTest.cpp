#include "ui/frmAbstract.h"

#include "tests/support/Keyboard.h"
#include "ui/MB.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// A dialog as the property dialogs build it: a labelled edit and a list, Použít in the row.
class SampleDialog : public TfrmAbstractDialog {
public:
  explicit SampleDialog(TDialogSizing Sizing = dsFixed) {
    auto* layout = new QVBoxLayout(Content());
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Jméno:"), Content());
    edName = new QLineEdit(Content());
    label->setBuddy(edName);
    edCode = new QLineEdit(Content());
    layout->addWidget(label);
    layout->addWidget(edName);
    layout->addWidget(edCode);
    layout->addStretch(1);
    btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");
    connect(btnApply, &QPushButton::clicked, this, [this] { ++Applied; });
    SetDialogSize(300, 200, Sizing, QSize(260, 150));
  }
  using TfrmAbstractDialog::SetFirstFocus;

  QLineEdit* edName;
  QLineEdit* edCode;
  QPushButton* btnApply;
  int Applied = 0;
};

// Runs Keys on the dialog once its modal loop runs and gives back the result of exec().
int execWithKeys(TfrmAbstractDialog& Dialog, std::function<void()> Keys) {
  QTimer::singleShot(0, &Dialog, [Keys] { Keys(); });
  return Dialog.exec();
}

} // namespace

// The row stands at the bottom right, OK and Zrušit 75 x 25 with 5 px between them, and the
// content fills the rest: nothing is left empty under the buttons.
TEST(BaseDialog, ButtonRowStandsBottomRightUnderTheContent) {
  TfrmAbstractDialog dialog;
  dialog.show();
  EXPECT_EQ(dialog.size(), QSize(408, 329));
  EXPECT_EQ(dialog.btnOK->text(), "&OK");
  EXPECT_EQ(dialog.btnCancel->text(), "&Zrušit");
  EXPECT_TRUE(dialog.btnOK->isDefault());
  EXPECT_EQ(dialog.btnCancel->geometry(), QRect(408 - 8 - 75, 329 - 8 - 25, 75, 25));
  EXPECT_EQ(dialog.btnOK->geometry(), QRect(408 - 8 - 155, 329 - 8 - 25, 75, 25));
  EXPECT_EQ(dialog.Content()->geometry(), QRect(8, 8, 392, 329 - 8 - 25 - 7 - 8));
  EXPECT_EQ(dialog.Sizing(), TfrmAbstractDialog::dsFixed);

  SampleDialog sample;
  sample.show();
  ASSERT_EQ(sample.RowButtons().size(), 3u);
  EXPECT_EQ(sample.RowButtons()[2], sample.btnApply);
  EXPECT_EQ(sample.btnApply->geometry().right(), sample.width() - 9);
  EXPECT_EQ(sample.btnApply->x(), sample.btnCancel->geometry().right() + 6);
  EXPECT_EQ(sample.btnOK->geometry().bottom(), sample.height() - 9);
}

// A fixed dialog keeps its size whatever asks it to change; a resizable one grows freely
// and stops at its minimum. Neither starts smaller than its layout needs.
TEST(BaseDialog, FixedRefusesResizeAndResizableKeepsItsMinimum) {
  SampleDialog fixed;
  fixed.show();
  EXPECT_EQ(fixed.size(), QSize(300, 200));
  fixed.resize(120, 80);
  EXPECT_EQ(fixed.size(), QSize(300, 200));
  fixed.resize(600, 500);
  EXPECT_EQ(fixed.size(), QSize(300, 200));
  EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());

  SampleDialog resizable(TfrmAbstractDialog::dsResizable);
  resizable.show();
  EXPECT_EQ(resizable.size(), QSize(300, 200));
  resizable.resize(600, 500);
  EXPECT_EQ(resizable.size(), QSize(600, 500));
  resizable.resize(10, 10);
  EXPECT_EQ(resizable.size(), QSize(260, 150));
  EXPECT_EQ(resizable.btnOK->geometry().bottom(), 150 - 9); // the row follows the size

  // A size below what the content needs is widened to it, so nothing is cut off.
  struct Tiny : SampleDialog {
    Tiny() { SetDialogSize(40, 30); }
  } tiny;
  tiny.show();
  EXPECT_GE(tiny.width(), 3 * 75 + 2 * 5 + 2 * 8);
  EXPECT_GE(tiny.btnOK->y(), tiny.edCode->mapTo(&tiny, QPoint(0, tiny.edCode->height())).y());
}

// The first field takes the focus, or the control the dialog names; Tab runs through the
// content, then OK, Zrušit and Použít.
TEST(BaseDialog, FirstFocusAndTabOrderRunThroughContentThenButtons) {
  SampleDialog dialog;
  execWithKeys(dialog, [&] {
    EXPECT_EQ(testkeys::Focused(&dialog), dialog.edName);
    EXPECT_EQ(testkeys::TabChain(&dialog), (QList<QWidget*>{dialog.edName, dialog.edCode, dialog.btnOK,
                                                            dialog.btnCancel, dialog.btnApply}));
    dialog.done(mrCancel);
  });

  SampleDialog named;
  named.SetFirstFocus(named.edCode);
  execWithKeys(named, [&] {
    EXPECT_EQ(testkeys::Focused(&named), named.edCode);
    named.done(mrCancel);
  });

  TfrmAbstractDialog empty; // no content: the default button
  execWithKeys(empty, [&] {
    EXPECT_EQ(testkeys::Focused(&empty), empty.btnOK);
    empty.done(mrCancel);
  });
}

// Return presses the focused button and, from a field, the default OK; Esc is Zrušit.
TEST(BaseDialog, ReturnPressesTheFocusedButtonAndEscapeCancels) {
  struct Case {
    const char* keys;
    int tabs; // from the first field
    Qt::Key key;
    int result;
  };
  const Case cases[] = {
      {"Return in the field", 0, Qt::Key_Return, mrOk},
      {"Enter in the field", 0, Qt::Key_Enter, mrOk},
      {"Tab to OK, Return", 2, Qt::Key_Return, mrOk},
      {"Tab to Zrušit, Return", 3, Qt::Key_Return, mrCancel},
      {"Esc in the field", 0, Qt::Key_Escape, mrCancel},
      {"Tab to OK, Esc", 2, Qt::Key_Escape, mrCancel},
      {"Tab to OK, Space", 2, Qt::Key_Space, mrOk},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SampleDialog dialog;
    EXPECT_EQ(execWithKeys(dialog,
                           [&] {
                             testkeys::Tab(&dialog, c.tabs);
                             testkeys::Press(&dialog, c.key);
                           }),
              c.result);
  }

  // Return on Použít applies and leaves the dialog open.
  SampleDialog dialog;
  bool open = false;
  EXPECT_EQ(execWithKeys(dialog,
                         [&] {
                           testkeys::Tab(&dialog, 1, false);
                           ASSERT_EQ(testkeys::Focused(&dialog), dialog.btnApply);
                           testkeys::Press(&dialog, Qt::Key_Return);
                           open = dialog.isVisible();
                           testkeys::Press(&dialog, Qt::Key_Escape);
                         }),
            mrCancel);
  EXPECT_TRUE(open);
  EXPECT_EQ(dialog.Applied, 1);
}
