// The program's dialogs driven by keyboard alone, as a person does: the first focus, the tab
// order, Return on each button, Esc, and fixed sizes. Each window is also saved as a picture
// in the build folder.
#include "app/frmAbout.h"
#include "app/frmDateTimeSetting.h"
#include "app/frmDesignSetting.h"
#include "app/frmSchemeInfo.h"
#include "diagram/ProjectInfo.h"
#include "tests/support/Keyboard.h"
#include "ui/Application.h"
#include "ui/MB.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

using testkeys::Focused;
using testkeys::Press;

// Runs Keys once the dialog's modal loop runs; gives back the result of exec().
int ExecWithKeys(QDialog& Dialog, std::function<void()> Keys) {
  QTimer::singleShot(0, &Dialog, [Keys] { Keys(); });
  return Dialog.exec();
}

// Tabs until Target has the focus; false when the tab order never reaches it.
bool TabTo(QWidget* Window, QWidget* Target) {
  for (int i = 0; i < 30 && Focused(Window) != Target; ++i) testkeys::Tab(Window, 1);
  return Focused(Window) == Target;
}

bool OnX() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// Saves the window as it is shown, into the build folder: under X (Xvfb) as the screen shows
// it, taken by ImageMagick's import; headless as Qt paints it.
void SaveShot(QWidget* Window, const QString& Name) {
  const QDir folder(QCoreApplication::applicationDirPath());
  if (OnX()) {
    EXPECT_TRUE(QTest::qWaitForWindowExposed(Window));
    QTest::qWait(200); // painted and flushed to the server
    const QString path = folder.filePath(Name + QStringLiteral("-xvfb.png"));
    EXPECT_EQ(QProcess::execute(QStringLiteral("import"),
                                {QStringLiteral("-window"), QString::number(Window->winId()), path}),
              0)
        << path.toStdString();
    EXPECT_TRUE(QFile::exists(path)) << path.toStdString();
    return;
  }
  const QString path = folder.filePath(Name + QStringLiteral(".png"));
  EXPECT_TRUE(Window->grab().save(path)) << path.toStdString();
}

// A resize of a fixed window changes nothing.
void ExpectFixed(QWidget* Window) {
  const QSize size = Window->size();
  Window->resize(size.width() - 100, size.height() - 100);
  EXPECT_EQ(Window->size(), size);
  Window->resize(size.width() + 100, size.height() + 100);
  EXPECT_EQ(Window->size(), size);
}

} // namespace

TEST(DialogKeys, FontsOfTheWindowsAreMetricCompatible) {
  struct Case {
    const char* name;
    const char* family;
  };
  const Case cases[] = {{"MS Sans Serif", "Liberation Sans"},
                        {"Arial", "Liberation Sans"},
                        {"Times New Roman", "Liberation Serif"},
                        {"Courier New", "Liberation Mono"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ui::MetricCompatibleFamily(QString::fromLatin1(c.name)), c.family);
    EXPECT_EQ(QFontInfo(QFont(QString::fromLatin1(c.name))).family(), c.family);
  }
  TfrmAbout about;
  EXPECT_EQ(QFontInfo(about.font()).family(), "Liberation Sans");
  EXPECT_EQ(ui::MetricCompatibleFamily("DejaVu Sans"), "DejaVu Sans");
}

TEST(DialogKeys, QtsOwnDialogsSpeakCzech) {
  EXPECT_TRUE(ui::SetUpApplication(*qApp)); // already done by the test entry: changes nothing
  QColorDialog colours;
  QStringList texts;
  for (const QPushButton* b : colours.findChildren<QPushButton*>()) texts << b->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("&Zrušit")) || texts.contains(QStringLiteral("Zrušit")))
      << texts.join(", ").toStdString();
  EXPECT_FALSE(texts.contains(QStringLiteral("&Cancel")) || texts.contains(QStringLiteral("Cancel")));
}

// The look settings open on the element list; Tab runs through the page, then OK, Zrušit and
// Použít, then the page tabs. Return on a page button opens what the button opens and
// leaves the window open; on the row it answers the button.
TEST(DialogKeys, LookSettingsAnswerTheFocusedButton) {
  TfrmDesignSetting dialog;
  ExecWithKeys(dialog, [&] {
    EXPECT_EQ(Focused(&dialog), dialog.lbxComponents);
    Press(&dialog, Qt::Key_Down); // "Entita": font, fill colour and 3-D
    EXPECT_EQ(dialog.lbxComponents->currentRow(), 1);
    const QList<QWidget*> chain = testkeys::TabChain(&dialog);
    const QList<QWidget*> expected = {dialog.lbxComponents, dialog.btnFont, dialog.btnBrushColor,
                                      dialog.chbx3D, dialog.btnDefault};
    const QList<QWidget*> row = {dialog.btnOK, dialog.btnCancel, dialog.btnApply};
    EXPECT_EQ(chain.mid(0, expected.size()), expected);
    EXPECT_EQ(chain.mid(expected.size(), row.size()), row);
    ASSERT_EQ(chain.size(), expected.size() + row.size() + 1);
    EXPECT_TRUE(dialog.pgcOptions->isAncestorOf(chain.back()) || chain.back() == dialog.pgcOptions);
    SaveShot(&dialog, QStringLiteral("window-look-settings"));
    dialog.pgcOptions->setCurrentWidget(dialog.tsDesktop);
    SaveShot(&dialog, QStringLiteral("window-look-settings-desktop"));
    Press(&dialog, Qt::Key_Escape);
  });
  ExpectFixed(&dialog);

  struct Case {
    const char* button;
    std::function<QPushButton*(TfrmDesignSetting&)> target;
    std::function<QDialog*(TfrmDesignSetting&)> opens; // null: closes or stays
    int result;                                        // mrNone: stays open
  };
  const std::vector<Case> cases = {
      {"Font", [](auto& d) { return d.btnFont; }, [](auto& d) { return d.fdFont; }, mrNone},
      {"Barva výplně", [](auto& d) { return d.btnBrushColor; }, [](auto& d) { return d.cdBrushColor; },
       mrNone},
      {"Barva obrysů", [](auto& d) { return d.btnPenColor; }, [](auto& d) { return d.cdPenColor; }, mrNone},
      {"Původní nastavení", [](auto& d) { return d.btnDefault; }, nullptr, mrNone},
      {"Použít", [](auto& d) { return d.btnApply; }, nullptr, mrNone},
      {"OK", [](auto& d) { return d.btnOK; }, nullptr, mrOk},
      {"Zrušit", [](auto& d) { return d.btnCancel; }, nullptr, mrCancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    TfrmDesignSetting d;
    QWidget* opened = nullptr;
    bool stillOpen = false;
    const int result = ExecWithKeys(d, [&] {
      Press(&d, Qt::Key_End); // "Text": font, fill and outline colour
      if (!TabTo(&d, c.target(d))) {
        ADD_FAILURE() << "not reached by Tab";
        Press(&d, Qt::Key_Escape);
        return;
      }
      // Answers a dialog that the button opens; dies with the window when none opens.
      QTimer::singleShot(0, &d, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == &d) return;
        opened = modal;
        Press(modal, Qt::Key_Escape);
      });
      Press(&d, Qt::Key_Return);
      stillOpen = d.isVisible();
      if (stillOpen) Press(&d, Qt::Key_Escape);
    });
    if (c.opens) EXPECT_EQ(opened, c.opens(d));
    EXPECT_EQ(stillOpen, c.result == mrNone);
    EXPECT_EQ(result, c.result == mrNone ? mrCancel : c.result);
  }

  // The time format of "Razítko" opens its editor; Return in its edit takes the format.
  TfrmDesignSetting d;
  ExecWithKeys(d, [&] {
    d.lbxComponents->setCurrentRow(3);
    if (!TabTo(&d, d.btnDTSetting)) {
      ADD_FAILURE() << "not reached by Tab";
      Press(&d, Qt::Key_Escape);
      return;
    }
    QTimer::singleShot(0, [] {
      QWidget* editor = QApplication::activeModalWidget();
      ASSERT_TRUE(qobject_cast<TfrmDateTimeSetting*>(editor));
      QTest::keyClicks(Focused(editor), "yyyy");
      Press(editor, Qt::Key_Return);
    });
    Press(&d, Qt::Key_Return);
    EXPECT_TRUE(d.Samples().DefProjectInfo->FormatStr().endsWith("yyyy"));
    Press(&d, Qt::Key_Escape);
  });
}

// The date-format window opens on its edit; Return takes the format, Esc keeps the old one.
TEST(DialogKeys, DateFormatOpensOnItsEditAndReturnTakesTheFormat) {
  struct Case {
    const char* keys;
    int tabs;
    Qt::Key key;
    bool taken;
  };
  const Case cases[] = {{"Return in the edit", 0, Qt::Key_Return, true},
                        {"Tab to OK, Return", 1, Qt::Key_Return, true},
                        {"Tab to Zrušit, Return", 2, Qt::Key_Return, false},
                        {"Esc", 0, Qt::Key_Escape, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TfrmDateTimeSetting dialog;
    QString format = QStringLiteral("d. m. yyyy");
    QTimer::singleShot(0, &dialog, [&] {
      EXPECT_EQ(Focused(&dialog), dialog.edtDTFormat);
      EXPECT_EQ(testkeys::TabChain(&dialog),
                (QList<QWidget*>{dialog.edtDTFormat, dialog.btnOK, dialog.btnCancel}));
      if (c.tabs == 0) SaveShot(&dialog, QStringLiteral("window-date-format"));
      dialog.edtDTFormat->setText(QStringLiteral("hh:nn"));
      testkeys::Tab(&dialog, c.tabs);
      Press(&dialog, c.key);
    });
    EXPECT_EQ(dialog.Execute(format), c.taken);
    EXPECT_EQ(format, c.taken ? "hh:nn" : "d. m. yyyy");
    ExpectFixed(&dialog);
  }
}

// The schema information opens on its list; Return and Esc close it, and it keeps its size.
TEST(DialogKeys, SchemeInformationOpensOnItsListAndKeepsItsSize) {
  TfrmSchemeInfo dialog;
  dialog.AddRow(QStringLiteral("Počet entit"), QStringLiteral("3"));
  dialog.AddRow(QStringLiteral("DB server"), QStringLiteral("Oracle"));
  EXPECT_EQ(ExecWithKeys(dialog,
                         [&] {
                           EXPECT_EQ(Focused(&dialog), dialog.lvInfo);
                           EXPECT_EQ(testkeys::TabChain(&dialog),
                                     (QList<QWidget*>{dialog.lvInfo, dialog.btnOK, dialog.btnCancel}));
                           SaveShot(&dialog, QStringLiteral("window-scheme-info"));
                           Press(&dialog, Qt::Key_Return);
                         }),
            mrOk);
  EXPECT_EQ(ExecWithKeys(dialog,
                         [&] {
                           testkeys::Tab(&dialog, 2);
                           Press(&dialog, Qt::Key_Return);
                         }),
            mrCancel);
  EXPECT_EQ(ExecWithKeys(dialog, [&] { Press(&dialog, Qt::Key_Escape); }), mrCancel);
  ExpectFixed(&dialog);
  // The list fills the content; the buttons stand under it with nothing cut off.
  EXPECT_GE(dialog.btnOK->y(), dialog.lvInfo->geometry().bottom());
  EXPECT_LE(dialog.btnCancel->geometry().bottom(), dialog.height() - 1);
}

// The about window's texts fit their labels in the window's fonts, and its OK answers both
// Return and Esc.
TEST(DialogKeys, AboutTextsFitTheirLabelsAndOkAnswersReturnAndEscape) {
  TfrmAbout about(QStringLiteral("May 24 2001"), QStringLiteral("16:27:40"), QStringLiteral("2.0.0.0"));
  about.show();
  for (const QLabel* label : about.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    SCOPED_TRACE(label->text().toStdString());
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width());
    EXPECT_LE(metrics.height(), label->contentsRect().height());
    EXPECT_TRUE(about.rect().contains(label->geometry()));
  }
  const auto* caption = about.findChild<QLabel*>(QStringLiteral("lVersionCaption"));
  ASSERT_NE(caption, nullptr);
  const int captionEnd = caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text());
  EXPECT_GE(about.lVersion->x() - captionEnd, 3); // "Verze: 2.0.0.0", not "Verze:2.0.0.0"
  EXPECT_EQ(caption->y(), about.lVersion->y());
  EXPECT_EQ(about.size(), QSize(208, 212));
  about.hide();

  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space}) {
    EXPECT_EQ(ExecWithKeys(about,
                           [&] {
                             EXPECT_EQ(Focused(&about), about.btnOK);
                             if (key == Qt::Key_Return) SaveShot(&about, QStringLiteral("window-about"));
                             Press(&about, key);
                           }),
              mrOk);
  }
  ExpectFixed(&about);
}

// The message box as a window: a confirmation with three buttons.
TEST(DialogKeys, MessageBoxPicture) {
  QTimer::singleShot(0, [] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    SaveShot(box, QStringLiteral("window-message-box"));
    Press(box, Qt::Key_Escape);
  });
  EXPECT_EQ(MB(QStringLiteral("Schéma bylo změněno. Uložit změny?"), QStringLiteral("Dotaz"), mtConfirmation,
               MsgButtons({mbYes, mbNo, mbCancel}), mbYes),
            mrCancel);
}

// Under X the keys come from the X server, as a person's do: xdotool focuses the message box
// and types Tab and Return; the box answers Ne, the button the keyboard chose.
TEST(DialogKeys, KeysTypedOnTheXServerAnswerTheChosenButton) {
  if (!OnX()) GTEST_SKIP() << "runs under Xvfb (the app_dialog_keys_xvfb test)";
  struct Case {
    const char* keys;
    QStringList xdotool;
    std::uint16_t result;
  };
  const Case cases[] = {{"Tab, Return", {"Tab", "Return"}, mrNo},
                        {"Shift+Tab, Return", {"shift+Tab", "Return"}, mrCancel},
                        {"Escape", {"Escape"}, mrCancel}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    QTimer::singleShot(100, [&c] {
      auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      QStringList args = {QStringLiteral("windowfocus"), QStringLiteral("--sync"),
                          QString::number(box->winId()), QStringLiteral("key"),
                          QStringLiteral("--delay"),     QStringLiteral("50")};
      args += c.xdotool;
      QProcess::startDetached(QStringLiteral("xdotool"), args);
      // A box that the keys never reach closes with a result no button gives.
      QTimer::singleShot(10000, box, [box] { box->done(mrAll); });
    });
    EXPECT_EQ(MB(QStringLiteral("Uložit změny?"), QStringLiteral("Dotaz"), mtConfirmation,
                 MsgButtons({mbYes, mbNo, mbCancel}), mbYes),
              c.result);
  }
}
