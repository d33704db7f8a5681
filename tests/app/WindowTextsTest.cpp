// The texts of every window and menu of the started program: no accelerator letter serves two
// controls of one window or two items of one menu, and Qt's own dialogs speak Czech.
#include "Interface/dialogs/PropertyDialogs.h"
#include "Interface/dialogs/frmEntityProperties.h"
#include "Interface/dialogs/frmTextLabelProperties.h"
#include "app/frmDesignSetting.h"
#include "app/frmFindDialog.h"
#include "app/frmReport.h"
#include "tests/app/StartedProgram.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// The accelerator letter of a caption (lower case), or a null character when it has none;
// "&&" is a plain "&".
QChar Accelerator(const QString& Caption) {
  for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != QLatin1Char('&')) continue;
    if (Caption[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return Caption[i + 1].toLower();
  }
  return QChar();
}

bool QtsOwn(const QWidget* Window) {
  return Window->inherits("QColorDialog") || Window->inherits("QFontDialog") ||
         Window->inherits("QFileDialog") || Window->inherits("QPrintDialog") ||
         Window->inherits("QPageSetupDialog") || Window->inherits("QMessageBox");
}

// Letter -> the captions that carry it.
using TLetters = std::map<QChar, QStringList>;

void Add(TLetters& Letters, const QString& Caption) {
  const QChar letter = Accelerator(Caption);
  if (!letter.isNull()) Letters[letter] << Caption;
}

// The captions a person can reach with Alt in Window as it stands: its menu bar, and the
// controls it shows (a page that is not the current one shows none).
TLetters WindowLetters(QWidget* Window) {
  TLetters letters;
  for (QWidget* w : Window->findChildren<QWidget*>()) {
    if (w->window() != Window || !w->isVisibleTo(Window)) continue;
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (const QAction* a : bar->actions()) Add(letters, a->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) Add(letters, button->text());
    if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) Add(letters, label->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) Add(letters, group->title());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i)) Add(letters, tabs->tabText(i));
  }
  return letters;
}

// "letter: caption / caption" for each letter that two captions share.
std::string Repeats(const TLetters& Letters) {
  QStringList repeats;
  for (const auto& [letter, captions] : Letters)
    if (captions.size() > 1) repeats << QString(letter) + ": " + captions.join(" / ");
  return repeats.join("; ").toStdString();
}

// A window and its name in the report.
QString Name(const QWidget* Window) {
  return Window->objectName().isEmpty() ? QString::fromLatin1(Window->metaObject()->className())
                                        : Window->objectName();
}

class WindowTexts : public TStartedProgram {};

// Every window of the program, on each page of each of its page controls, and every menu:
// one letter, one control. A new window or menu is walked as soon as it exists.
TEST_F(WindowTexts, NoAcceleratorLetterRepeatsInAWindowOrMenu) {
  New();                     // a schema window with its browsers
  dmMain->PropertyDialogs(); // the property dialogs exist from their first use
  QStringList walked;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (QtsOwn(window) || qobject_cast<QMenu*>(window)) continue;
    std::vector<QTabWidget*> pages;
    for (QTabWidget* t : window->findChildren<QTabWidget*>())
      if (t->window() == window) pages.push_back(t);
    const QString name = Name(window);
    walked << name;
    EXPECT_EQ(Repeats(WindowLetters(window)), "") << name.toStdString();
    for (QTabWidget* t : pages) {
      const int current = t->currentIndex();
      for (int i = 0; i < t->count(); ++i) {
        if (!t->isTabVisible(i)) continue;
        t->setCurrentIndex(i);
        EXPECT_EQ(Repeats(WindowLetters(window)), "")
            << name.toStdString() << " / " << t->tabText(i).toStdString();
      }
      t->setCurrentIndex(current);
    }
  }
  for (QWidget* w : QApplication::allWidgets()) {
    auto* menu = qobject_cast<QMenu*>(w);
    if (!menu || qobject_cast<QMdiSubWindow*>(menu->parentWidget())) continue;
    TLetters letters;
    for (const QAction* a : menu->actions())
      if (!a->isSeparator()) Add(letters, a->menu() ? a->menu()->title() : a->text());
    EXPECT_EQ(Repeats(letters), "") << "menu " << (menu->title() + " " + menu->objectName()).toStdString();
  }
  for (const char* window : {"frmMain", "frmDesignSetting", "frmEntityProperties", "frmRelationProperties",
                             "frmTextLabelProperties", "frmModelProperties", "frmFindDialog", "frmReport"})
    EXPECT_TRUE(walked.contains(QString::fromLatin1(window))) << window;
}

// The letters that moved: the captions read as before, each with a letter of its own.
TEST_F(WindowTexts, TheMovedLettersKeepTheVisibleTexts) {
  TPropertyDialogs& dialogs = dmMain->PropertyDialogs();
  struct Case {
    const char* Where;
    QString Caption;
    const char* Expected;
  };
  auto action = [](const char* Name) { return dmMain->findChild<QAction*>(QString::fromLatin1(Name)); };
  const std::vector<Case> cases = {
      {"look settings: outline colour", frmDesignSetting->btnPenColor->text(), "Barva o&brysů"},
      {"look settings: factory look", frmDesignSetting->btnDefault->text(), "Původní &nastavení"},
      {"entity dialog: change", dialogs.frmEntityProperties->btnEdit->text(), "Z&měnit"},
      {"text label: border", dialogs.frmTextLabelProperties->btnBorder->text(), "O&rámování"},
      {"find: backwards", frmFindDialog->rbBackward->text(), "&Dozadu"},
      {"Model: show script", action("acShowScript")->text(), "Zobraz &skript"},
      {"Zobrazit: error list", action("acShowErrorBrowser")->text(), "Seznam &chyb"},
      {"Zobrazit: rulers", action("acShowRulers")->text(), "P&ravítka"},
      {"Palety: clipboard", action("acSPClipboard")->text(), "S&chránka"},
      {"Úpravy: cut", action("acCut")->text(), "Vyříz&nout"},
      {"script viewer, Úpravy: cut", frmReport->acCut->text(), "Vyříz&nout"},
      {"entity menu: delete the entry point", action("acEntryPointDelete")->text(), "Smazat vstupní &bod"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.Caption, QString::fromUtf8(c.Expected)) << c.Where;
}

// Qt's colour and font dialogs that the windows make, those made before the main window
// included, answer in Czech.
TEST_F(WindowTexts, QtsOwnDialogsOfEveryWindowSpeakCzech) {
  dmMain->PropertyDialogs();
  int dialogs = 0;
  for (QWidget* w : QApplication::allWidgets()) {
    if (!qobject_cast<QColorDialog*>(w) && !qobject_cast<QFontDialog*>(w)) continue;
    ++dialogs;
    QStringList texts;
    for (const QPushButton* b : w->findChildren<QPushButton*>()) texts << b->text();
    const std::string where = (Name(w) + " of " + Name(w->parentWidget()->window())).toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("&Zrušit")) || texts.contains(QStringLiteral("Zrušit")))
        << where << ": " << texts.join(", ").toStdString();
    EXPECT_NE(w->windowTitle(), "Select Font") << where;
    EXPECT_NE(w->windowTitle(), "Select Color") << where;
  }
  EXPECT_GE(dialogs, 5); // the look settings' three, the text label's two
}

} // namespace
