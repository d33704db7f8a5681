// The model dialog, the note, text-label and project-information dialogs, and the entries
// that open each element's dialog, on a schema window bound to the built plug-in.
#include "DialogFixture.h"

#include "Interface/dialogs/PropertyDialogs.h"
#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/dialogs/frmEntityProperties.h"
#include "Interface/dialogs/frmModelProperties.h"
#include "Interface/dialogs/frmNoteProperties.h"
#include "Interface/dialogs/frmProjectInfoProperties.h"
#include "Interface/dialogs/frmRelationProperties.h"
#include "Interface/dialogs/frmTextLabelProperties.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/TextLabel.h"
#include "tests/support/Keyboard.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace dialogtest;
using Morvik::TCheckRecord;

namespace {

// Runs Steps inside the next modal window.
template <typename Dialog>
void Inside(Dialog* D, std::function<void()> Steps) {
  QTimer::singleShot(0, [D, Steps] {
    EXPECT_EQ(QApplication::activeModalWidget(), D);
    Steps();
  });
}

// ---- Model dialog ------------------------------------------------------------------------

class ModelDialog : public DialogTest {
protected:
  QTreeWidgetItem* Select(const QString& Name) {
    QTreeWidget* tree = dialog.fraPEModel->tvParam;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
      if (tree->topLevelItem(i)->text(0).startsWith(Name + " = ")) {
        tree->setCurrentItem(tree->topLevelItem(i));
        return tree->topLevelItem(i);
      }
    ADD_FAILURE() << "no node " << Name.toStdString();
    return nullptr;
  }
  // DataBase switched and the note written; then Finish closes.
  void Edit(QPushButton* Finish) {
    Select("DataBase");
    dialog.fraPEModel->chbxBoolean->click();
    dialog.mmNote->setPlainText("Sklad");
    Finish->click();
  }

  TfrmModelProperties dialog;
};

TEST_F(ModelDialog, OkStoresValuesAndNoteCancelLeavesThemAndApplyCounts) {
  const std::string before = plugin::Get(Model(), "DataBase");
  Inside(&dialog, [this] { Edit(dialog.btnCancel); });
  EXPECT_FALSE(dialog.Execute(Model(), nullptr));
  EXPECT_EQ(plugin::Get(Model(), "DataBase"), before);
  EXPECT_STREQ(Model()->GetComment(), "");

  Inside(&dialog, [this] { Edit(dialog.btnOK); });
  EXPECT_TRUE(dialog.Execute(Model(), nullptr));
  const std::string after = plugin::Get(Model(), "DataBase");
  EXPECT_NE(after, before);
  EXPECT_STREQ(Model()->GetComment(), "Sklad");

  Inside(&dialog, [this] {
    Select("DataBase");
    dialog.fraPEModel->chbxBoolean->click();
    dialog.btnApply->click();
    EXPECT_TRUE(dialog.isVisible());
    dialog.btnCancel->click();
  });
  EXPECT_TRUE(dialog.Execute(Model(), nullptr));
  EXPECT_NE(plugin::Get(Model(), "DataBase"), after);
}

// The dialog opens on the parameter tree: the arrow keys walk it without a Tab first.
TEST_F(ModelDialog, OpensWithTheArrowKeysOnTheParameterTree) {
  Inside(&dialog, [this] {
    QTreeWidget* tree = dialog.fraPEModel->tvParam;
    EXPECT_EQ(testkeys::Focused(&dialog), tree);
    const QTreeWidgetItem* before = tree->currentItem();
    testkeys::Press(&dialog, Qt::Key_Down);
    EXPECT_NE(tree->currentItem(), nullptr);
    EXPECT_NE(tree->currentItem(), before);
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(dialog.Execute(Model(), nullptr));
}

TEST_F(ModelDialog, AFindingInsideAListItemSelectsItsParameter) {
  Morvik::TParamObject* generator = plugin::AddItem(Model(), "Generators");
  plugin::Set(generator, "Name", "G_ID");
  const int generators = plugin::Position(Model(), "Generators");
  const int name = plugin::Position(generator, "Name");
  const TCheckRecord finding = Finding(
      {{TCheckRecord::ltParam, generators}, {TCheckRecord::ltListItem, 0}, {TCheckRecord::ltParam, name}},
      "Name is not unique");
  Inside(&dialog, [this, generators, name] {
    ASSERT_TRUE(dialog.pgcModel->isTabVisible(dialog.pgcModel->indexOf(dialog.tsError)));
    EXPECT_EQ(dialog.mmError->toPlainText().remove(QLatin1Char('\r')),
              QStringLiteral("Přesná lokace:\n\tL0/L1/L2/\n\nPopis chyby:\n\tName is not unique"));
    EXPECT_EQ(dialog.pgcModel->currentWidget(), dialog.tsProperties);
    QTreeWidgetItem* node = dialog.fraPEModel->tvParam->currentItem();
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(TfraParamEdit::NodePosition(node), name);
    ASSERT_NE(node->parent(), nullptr);
    ASSERT_NE(node->parent()->parent(), nullptr);
    EXPECT_EQ(TfraParamEdit::NodePosition(node->parent()->parent()), generators);
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(dialog.Execute(Model(), &finding));
  // Without a finding the error page is hidden again.
  Inside(&dialog, [this] {
    EXPECT_FALSE(dialog.pgcModel->isTabVisible(dialog.pgcModel->indexOf(dialog.tsError)));
    dialog.btnCancel->click();
  });
  dialog.Execute(Model(), nullptr);
}

// ---- Text label --------------------------------------------------------------------------

class TextLabelDialog : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    label = design->CreateTextLabelAt(ui::TMouseButton::mbLeft, 40, 40);
    ASSERT_NE(label, nullptr);
    label->SetCaption("Sklad");
  }
  void ChooseColor(QColor Color, bool Accept) {
    AnswerNext([this, Color, Accept](QWidget* W) {
      ASSERT_EQ(W, dialog.cdColor);
      dialog.cdColor->setCurrentColor(Color);
      Accept ? dialog.cdColor->accept() : dialog.cdColor->reject();
    });
  }

  TfrmTextLabelProperties dialog;
  TTextLabel* label = nullptr;
};

TEST_F(TextLabelDialog, TypingShowsAtOnceAndCancelRestoresCaptionAndLook) {
  const int width = label->Width();
  const ui::TColor brush = label->Brush()->Color();
  const ui::TColor pen = label->Pen()->Color();
  const QString font = label->Font()->Name();
  Inside(&dialog, [&, this] {
    EXPECT_EQ(dialog.edtCaption->text(), "Sklad");
    dialog.edtCaption->end(false);
    QTest::keyClicks(dialog.edtCaption, " a expedice");
    EXPECT_EQ(label->Caption(), "Sklad a expedice");
    EXPECT_GT(label->Width(), width);
    ChooseColor(Qt::red, true);
    dialog.btnBack->click();
    EXPECT_EQ(label->Brush()->Color(), ui::QColorToColor(Qt::red));
    ChooseColor(Qt::blue, false); // a cancelled colour changes nothing
    dialog.btnBorder->click();
    EXPECT_EQ(label->Pen()->Color(), pen);
    ChooseColor(Qt::blue, true);
    dialog.btnBorder->click();
    EXPECT_EQ(label->Pen()->Color(), ui::QColorToColor(Qt::blue));
    AnswerNext([this](QWidget*) {
      QFont f(QStringLiteral("Liberation Serif"));
      f.setPointSize(14);
      dialog.fdFont->setCurrentFont(f);
      dialog.fdFont->accept();
    });
    dialog.btnFont->click();
    EXPECT_EQ(label->Font()->Size(), 14);
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(dialog.Execute(label));
  EXPECT_EQ(label->Caption(), "Sklad");
  EXPECT_EQ(label->Width(), width);
  EXPECT_EQ(label->Brush()->Color(), brush);
  EXPECT_EQ(label->Pen()->Color(), pen);
  EXPECT_EQ(label->Font()->Name(), font);

  Inside(&dialog, [this] {
    dialog.edtCaption->setText("Expedice");
    ChooseColor(Qt::green, true);
    dialog.btnBack->click();
    dialog.btnOK->click();
  });
  EXPECT_TRUE(dialog.Execute(label));
  EXPECT_EQ(label->Caption(), "Expedice");
  EXPECT_EQ(label->Brush()->Color(), ui::QColorToColor(Qt::green));
}

// The font dialog starts on the family that draws the label's font; OK without a change
// keeps the stored name and height, and so the label's size.
TEST_F(TextLabelDialog, TheFontDialogOpensOnTheDrawnFontAndAnUnchangedOkKeepsIt) {
  const struct {
    const char* Name;
    int Height;
    const char* Drawn;
    int Points;
  } cases[] = {{"Arial", -11, "Liberation Sans", 8},
               {"Times New Roman", -13, "Liberation Serif", 10},
               {"Courier New", -10, "Liberation Mono", 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ui::TFont font;
    font.SetName(c.Name);
    font.SetHeight(c.Height);
    label->SetFont(&font);
    label->CountNewSize(true);
    const int width = label->Width();
    Inside(&dialog, [&, this] {
      AnswerNext([&, this](QWidget* W) {
        ASSERT_EQ(W, dialog.fdFont);
        EXPECT_EQ(dialog.fdFont->currentFont().family(), c.Drawn);
        EXPECT_EQ(dialog.fdFont->currentFont().pointSize(), c.Points);
        dialog.fdFont->accept();
      });
      dialog.btnFont->click();
      dialog.btnOK->click();
    });
    EXPECT_TRUE(dialog.Execute(label));
    EXPECT_EQ(label->Font()->Name(), c.Name);
    EXPECT_EQ(label->Font()->Height(), c.Height);
    EXPECT_EQ(label->Width(), width);
  }
}

TEST_F(TextLabelDialog, TheEditTakesThirtyCharactersButNeverCutsALongerCaption) {
  const QString longCaption = QString(40, QLatin1Char('x'));
  label->SetCaption(longCaption);
  Inside(&dialog, [&, this] {
    EXPECT_EQ(dialog.edtCaption->text(), longCaption);
    dialog.btnOK->click();
  });
  EXPECT_TRUE(dialog.Execute(label));
  EXPECT_EQ(label->Caption(), longCaption);

  label->SetCaption("A");
  Inside(&dialog, [this] {
    dialog.edtCaption->clear();
    QTest::keyClicks(dialog.edtCaption, QString(40, QLatin1Char('y')));
    dialog.btnOK->click();
  });
  EXPECT_TRUE(dialog.Execute(label));
  EXPECT_EQ(label->Caption(), QString(30, QLatin1Char('y')));
}

// ---- Note and project information ----------------------------------------------------------

using NoteDialog = DialogTest;

TEST_F(NoteDialog, OkWritesLinesAndAutoSizeAndCancelNothing) {
  TNote* note = design->CreateNoteAt(ui::TMouseButton::mbLeft, 40, 40);
  ASSERT_NE(note, nullptr);
  note->SetLines({"první", "druhá"});
  note->SetAutoSize(false);
  TfrmNoteProperties dialog;
  for (bool ok : {false, true}) {
    SCOPED_TRACE(ok);
    Inside(&dialog, [&dialog, ok] {
      EXPECT_EQ(dialog.mmNoteText->toPlainText(), "první\ndruhá");
      EXPECT_FALSE(dialog.chbxAutosize->isChecked());
      dialog.mmNoteText->setPlainText("jedna\ndvě\ntři");
      dialog.chbxAutosize->setChecked(true);
      (ok ? dialog.btnOK : dialog.btnCancel)->click();
    });
    EXPECT_EQ(dialog.Execute(note), ok);
  }
  EXPECT_EQ(note->Lines(), QStringList({"jedna", "dvě", "tři"}));
  EXPECT_TRUE(note->AutoSize());
}

using ProjectInfoDialog = DialogTest;

TEST_F(ProjectInfoDialog, ShowsNineRowsWithTheBlocksDateFormatAndWritesSix) {
  TProjectInfo* info = design->CreateProjectInfoAt(ui::TMouseButton::mbLeft, 40, 40);
  ASSERT_NE(info, nullptr);
  info->SetProject("Sklad");
  info->SetDBServer("InterBase 6");
  info->SetCreatedAt(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
  info->SetUpdatedAt(QDateTime(QDate(2024, 11, 25), QTime(8, 30, 0)));
  info->SetFormatStr("d. m. yyyy hh:nn:ss");
  TfrmProjectInfoProperties dialog;
  Inside(&dialog, [&dialog] {
    EXPECT_EQ(dialog.edtName->text(), "Sklad");
    EXPECT_EQ(dialog.edtDBServer->text(), "InterBase 6");
    EXPECT_EQ(dialog.edtCreatedAt->text(), "5. 3. 2024 14:07:09");
    EXPECT_EQ(dialog.edtUpdatedAt->text(), "25. 11. 2024 08:30:00");
    EXPECT_EQ(dialog.focusWidget(), dialog.edtName);
    for (QLineEdit* e : {dialog.edtDBServer, dialog.edtCreatedAt, dialog.edtUpdatedAt})
      EXPECT_FALSE(e->isEnabled());
    dialog.edtName->setText("Expedice");
    dialog.edtVersion->setText("2.1");
    dialog.edtModel->setText("Fyzický");
    dialog.edtSubModel->setText("Sklady");
    dialog.edtAuthor->setText("Novák");
    dialog.edtFirm->setText("Firma s.r.o.");
    dialog.edtDBServer->setText("jiný");
    dialog.btnOK->click();
  });
  EXPECT_TRUE(dialog.Execute(info));
  EXPECT_EQ(info->Project(), "Expedice");
  EXPECT_EQ(info->Version(), "2.1");
  EXPECT_EQ(info->Model(), "Fyzický");
  EXPECT_EQ(info->SubModel(), "Sklady");
  EXPECT_EQ(info->Author(), "Novák");
  EXPECT_EQ(info->Firm(), "Firma s.r.o.");
  EXPECT_EQ(info->DBServer(), "InterBase 6");

  Inside(&dialog, [&dialog] {
    dialog.edtName->setText("Zahozeno");
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(dialog.Execute(info));
  EXPECT_EQ(info->Project(), "Expedice");
}

// ---- Entries -------------------------------------------------------------------------------

using PropertyEntries = DialogTest;

TEST_F(PropertyEntries, EachElementOpensItsOwnDialogAndTellsItsModificationKind) {
  TPropertyDialogs dialogs;
  TEntity* a = NewEntity(20, 20, "A");
  TEntity* b = NewEntity(300, 20, "B");
  TRelation* relation = NewRelation(a, b);
  TTextLabel* relationLabel = design->CreateTextLabelAt(ui::TMouseButton::mbLeft, 40, 300);
  relationLabel->SetTag(reinterpret_cast<intptr_t>(relation));
  TTextLabel* freeLabel = design->CreateTextLabelAt(ui::TMouseButton::mbLeft, 200, 300);
  TNote* note = design->CreateNoteAt(ui::TMouseButton::mbLeft, 40, 400);
  TProjectInfo* info = design->CreateProjectInfoAt(ui::TMouseButton::mbLeft, 400, 300);
  struct Case {
    const char* What;
    TMorvikGraphic* Element;
    QDialog* Expected;
    int Kind;
  };
  const Case cases[] = {
      {"entity", a, dialogs.frmEntityProperties.get(), 2},
      {"relation", relation, dialogs.frmRelationProperties.get(), 2},
      {"relation label", relationLabel, dialogs.frmRelationProperties.get(), 2},
      {"free label", freeLabel, dialogs.frmTextLabelProperties.get(), 1},
      {"note", note, dialogs.frmNoteProperties.get(), 1},
      {"project", info, dialogs.frmProjectInfoProperties.get(), 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    QDialog* shown = nullptr;
    AnswerNext([&shown](QWidget* W) {
      shown = qobject_cast<QDialog*>(W);
      QTest::keyClick(W, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialogs.EditElement(design.get(), c.Element));
    EXPECT_EQ(shown, c.Expected);
    EXPECT_EQ(TPropertyDialogs::ModifiedKind(design.get(), c.Element), c.Kind);
  }
  // Confirmed dialogs report the store.
  AnswerNext([](QWidget* W) { qobject_cast<QDialog*>(W)->findChild<QPushButton*>("btnOK")->click(); });
  EXPECT_TRUE(dialogs.EditElement(design.get(), a));
  AnswerNext([](QWidget* W) { qobject_cast<QDialog*>(W)->findChild<QPushButton*>("btnOK")->click(); });
  EXPECT_TRUE(dialogs.EditModel(design.get()));
}

} // namespace
