#include "ui/MB.h"

#include "tests/support/Keyboard.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString LongText =
    QStringLiteral("Projekt obsahuje chyby a skript nelze bez dalšího vygenerovat. Opravte prosím "
                   "všechny nalezené chyby v seznamu chyb, nebo potvrďte, že si přejete pokračovat "
                   "i přesto, že výsledný skript nemusí být na serveru proveditelný.");

QStringList captions(const TfMB& box) {
  QStringList out;
  for (const QPushButton* b : box.Buttons()) out << b->text();
  return out;
}

// Runs Action on the shown modal box, after the event loop has started.
void whenShown(std::function<void(TfMB*)> Action) {
  QTimer::singleShot(0, [Action] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    Action(box);
  });
}

} // namespace

TEST(MessageBox, OneLineMessageIsJustWideEnoughForTheTextOrTheButtons) {
  TfMB box;
  box.Prepare("Hotovo.", "Info", mtInformation, MsgButtons({mbOK}), mbOK, 0);
  const int textWidth = box.lMsg->width();
  EXPECT_LT(textWidth, 450);
  EXPECT_EQ(box.lMsg->height(), box.lMsg->fontMetrics().height());
  // One button: row = 10 + 75 + 5 + 5 = 95, so the box is at least 105 wide.
  EXPECT_EQ(box.width(), std::max(49 + textWidth + 50, 105));
  EXPECT_EQ(box.height(), 49 + 33); // a short text: the icon panel decides
  ASSERT_EQ(box.Buttons().size(), 1u);
  const QPushButton* ok = box.Buttons()[0];
  EXPECT_EQ(ok->text(), "&OK");
  EXPECT_EQ(ok->size(), QSize(75, 25));
  EXPECT_EQ(ok->x(), 10 + (box.width() - 95) / 2);
  EXPECT_EQ(box.pnButtons->geometry(), QRect(0, box.height() - 33, box.width(), 33));
  EXPECT_EQ(box.lMsg->pos(), QPoint(73, 8));
}

TEST(MessageBox, LongMessageWrapsAtTheWrapWidth) {
  TfMB box;
  box.Prepare(LongText, "Chyba", mtError, MsgButtons({mbYes, mbNo}), mbNo, 0);
  EXPECT_LE(box.lMsg->width(), 450);
  EXPECT_GT(box.lMsg->width(), 300);
  EXPECT_GE(box.lMsg->height(), 3 * box.lMsg->fontMetrics().height());
  EXPECT_EQ(box.width(), 49 + box.lMsg->width() + 50);
  EXPECT_EQ(box.height(), box.lMsg->height() + 20 + 33);
  EXPECT_EQ(captions(box), QStringList({"&Ano", "&Ne"}));
  EXPECT_EQ(box.FocusButton()->text(), "&Ne");
  const QString out = QDir(QCoreApplication::applicationDirPath()).filePath("messagebox-wrapped.png");
  EXPECT_TRUE(box.grab().save(out));
}

TEST(MessageBox, ButtonsComeInPriorityOrderAndAllNineWidenAndCentreTheRow) {
  TfMB box;
  const TMsgDlgButtons all = MsgButtons(
      {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp});
  box.Prepare("Krátká zpráva", "Vše", mtConfirmation, all, mbYesToAll, 0);
  EXPECT_EQ(captions(box), QStringList({"Nápově&da", "&OK", "&Ano", "&Ne", "&Přerušit", "&Znovu",
                                        "&Ignorovat", "&Všechny", "&Zrušit"}));
  // Row: 10 + 9 * 80 + 5 = 735; the box widens to 745 and the row moves right by 5.
  EXPECT_EQ(box.width(), 745);
  EXPECT_EQ(box.Buttons().front()->x(), 15);
  EXPECT_EQ(box.Buttons().back()->x(), 15 + 8 * 80);
  // YesToAll has no button: the focus stays on the leftmost one.
  EXPECT_EQ(box.FocusButton(), box.Buttons().front());
  const QString out = QDir(QCoreApplication::applicationDirPath()).filePath("messagebox-all.png");
  EXPECT_TRUE(box.grab().save(out));
}

TEST(MessageBox, HelpStandsLeftmostAndCustomTypeShowsNoImage) {
  TfMB box;
  box.Prepare("x", "y", mtCustom, MsgButtons({mbCancel, mbHelp, mbOK}), mbCancel, 7);
  EXPECT_EQ(captions(box), QStringList({"Nápově&da", "&OK", "&Zrušit"}));
  EXPECT_EQ(box.FocusButton()->text(), "&Zrušit");
  EXPECT_EQ(box.HelpContext(), 7);
  EXPECT_TRUE(box.imBMP->pixmap().isNull());
  box.Prepare("x", "y", mtWarning, MsgButtons({mbOK}), mbOK, 0);
  EXPECT_FALSE(box.imBMP->pixmap().isNull());
  EXPECT_EQ(box.Buttons().size(), 1u); // buttons of the previous layout are gone
}

TEST(MessageBox, EscapeCancelsWithOrWithoutACancelButton) {
  struct Case {
    TMsgDlgButtons buttons;
  };
  const Case cases[] = {{MsgButtons({mbOK})}, {MsgButtons({mbYes, mbNo, mbCancel})}, {0u}};
  for (const Case& c : cases) {
    whenShown([](TfMB* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(MB("Opravdu?", "Dotaz", mtConfirmation, c.buttons, mbOK), mrCancel);
  }
}

// By keyboard the box answers what the user chose: Return presses the focused button, never
// the default one instead, and Tab and Shift+Tab run round the row.
TEST(MessageBox, ReturnAnswersTheButtonTheKeyboardFocused) {
  struct Case {
    const char* keys;
    TMsgDlgBtn defaultButton;
    int tabs; // negative: Shift+Tab
    std::uint16_t result;
  };
  const Case cases[] = {
      {"Return", mbYes, 0, mrYes},
      {"Tab, Return", mbYes, 1, mrNo},
      {"Tab Tab, Return", mbYes, 2, mrCancel},
      {"Tab x3 wraps, Return", mbYes, 3, mrYes},
      {"Shift+Tab, Return", mbYes, -1, mrCancel},
      {"Shift+Tab x2, Return", mbYes, -2, mrNo},
      {"Return on the focus button", mbNo, 0, mrNo},
      {"from No, Tab, Return", mbNo, 1, mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    whenShown([&c](TfMB* box) {
      EXPECT_EQ(testkeys::Focused(box), box->FocusButton());
      testkeys::Tab(box, std::abs(c.tabs), c.tabs > 0);
      testkeys::Press(box, Qt::Key_Return);
    });
    EXPECT_EQ(
        MB("Uložit změny?", "Dotaz", mtConfirmation, MsgButtons({mbYes, mbNo, mbCancel}), c.defaultButton),
        c.result);
  }
  // Space presses the focused button as well.
  whenShown([](TfMB* box) {
    testkeys::Tab(box, 1);
    testkeys::Press(box, Qt::Key_Space);
  });
  EXPECT_EQ(MB("Smazat?", "Dotaz", mtConfirmation, MsgButtons({mbYes, mbNo}), mbYes), mrNo);
}

TEST(MessageBox, ClickingAButtonReturnsItsResultAndFreesTheButtons) {
  whenShown([](TfMB* box) {
    ASSERT_EQ(box->Buttons().size(), 3u);
    QTest::mouseClick(box->Buttons()[1], Qt::LeftButton);
  });
  EXPECT_EQ(MB("Uložit změny?", "Dotaz", mtConfirmation, MsgButtons({mbYes, mbNo, mbCancel}), mbYes), mrNo);
  EXPECT_TRUE(TfMB::Instance()->Buttons().empty());
  EXPECT_TRUE(TfMB::Instance()->pnButtons->findChildren<QPushButton*>().isEmpty());
}

#include "ui/frmAbstract.h"

#include "ui/Exception.h"
#include "ui/FailureReport.h"

#include <stdexcept>

namespace {

// A dialog whose OK and Cancel handling throw what the test gives it.
class ThrowingDialog : public TfrmAbstractDialog {
public:
  std::function<void()> Throw;
  bool ThrowOnCancel = false;

protected:
  bool CanClose() override {
    Throw();
    return true;
  }
  void done(int Result) override {
    if (Result == mrCancel && ThrowOnCancel) {
      ThrowOnCancel = false;
      Throw();
    }
    TfrmAbstractDialog::done(Result);
  }
};

} // namespace

// Whatever a button handler throws is shown with the message box and the dialog stays open;
// a failure without text of its own gets the generic message.
TEST(BaseWindows, FailuresOfOkAndCancelAreShownAndNeverLeaveTheHandler) {
  struct Case {
    const char* name;
    std::function<void()> Throw;
    QString message;
  };
  const std::vector<Case> cases = {
      {"own exception", [] { throw ui::Exception(QStringLiteral("Chyba ř")); }, QStringLiteral("Chyba ř")},
      {"standard exception", [] { throw std::runtime_error("bad"); }, QStringLiteral("bad")},
      {"a number", [] { throw 42; }, ui::UnexpectedErrorText()},
      {"a text pointer", [] { throw "raw"; }, ui::UnexpectedErrorText()},
  };
  EXPECT_EQ(ui::UnexpectedErrorText(), QStringLiteral("Nastala neočekávaná chyba."));
  for (const bool viaCancel : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (viaCancel ? " (Cancel)" : " (OK)"));
      ThrowingDialog dialog;
      dialog.setWindowTitle(QStringLiteral("Vlastnosti"));
      dialog.Throw = c.Throw;
      dialog.ThrowOnCancel = viaCancel;
      QString shown, caption;
      bool stillOpen = false;
      QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
          auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
          ASSERT_NE(box, nullptr);
          shown = box->lMsg->text();
          caption = box->windowTitle();
          box->done(mrOk);
        });
        QTest::mouseClick(viaCancel ? dialog.btnCancel : dialog.btnOK, Qt::LeftButton);
        stillOpen = dialog.isVisible();
        // The second try succeeds (Cancel no longer throws; OK is cancelled instead).
        dialog.Throw = [] {};
        QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
      });
      EXPECT_EQ(dialog.exec(), mrCancel);
      EXPECT_EQ(shown, c.message);
      EXPECT_EQ(caption, QStringLiteral("Vlastnosti"));
      EXPECT_TRUE(stillOpen);
    }
  }
}
