// The entity and attribute dialogs on entities of a schema window bound to the built
// plug-in: what OK, Apply and Cancel leave in the plug-in table and on the entity, the
// column list's buttons, the attribute dialog's refusals and the jump to a finding.
#include "DialogFixture.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/dialogs/frmAttribute.h"
#include "Interface/dialogs/frmEntityProperties.h"
#include "diagram/Attributes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace dialogtest;
using Morvik::TCheckRecord;

namespace {

class EntityDialog : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    entity = NewEntity(20, 20, "CUSTOMER");
    table = entity->Table();
  }
  // Runs the dialog with Steps done inside it.
  bool Run(std::function<void()> Steps, const TCheckRecord* Record = nullptr) {
    QTimer::singleShot(0, [Steps] { Steps(); });
    return dialog.Execute(entity, Model(), Record);
  }
  // New in the column list, the attribute dialog answered with Name and Type.
  void AddColumn(const QString& Name, const QString& Type, bool Key = false) {
    AnswerNext([Name, Type, Key, this](QWidget* W) {
      ASSERT_EQ(W, dialog.frmAttribute);
      EXPECT_EQ(W->windowTitle(), QStringLiteral("Nový atribut"));
      dialog.frmAttribute->edtName->setText(Name);
      dialog.frmAttribute->chbxKey->setChecked(Key);
      dialog.frmAttribute->cbxType->setCurrentText(Type);
      dialog.frmAttribute->btnOK->click();
    });
    dialog.btnNew->click();
  }
  QColor RowColor(int Row) const { return dialog.lvAttribute->topLevelItem(Row)->foreground(0).color(); }

  TfrmEntityProperties dialog;
  TEntity* entity = nullptr;
  Morvik::TTable* table = nullptr;
};

const QColor Green = QColor(0, 0x80, 0);
const QColor Blue = QColor(0, 0, 0xFF);

TEST_F(EntityDialog, OkStoresNameNoteColumnsAndTheBoxIntoTableAndEntity) {
  const bool stored = Run([this] {
    EXPECT_EQ(dialog.edtName->text(), "CUSTOMER");
    EXPECT_TRUE(dialog.chbxShowAttributes->isChecked());
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"ID", "NAME"}));
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute, 1), QStringList({"K", ""}));
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute, 2), QStringList({"INTEGER", "VARCHAR"}));
    EXPECT_EQ(RowColor(0), Blue);
    EXPECT_FALSE(dialog.pgcEntity->isTabVisible(dialog.pgcEntity->indexOf(dialog.tsError)));
    dialog.edtName->setText("CLIENT");
    dialog.mmNote->setPlainText("Zákazníci");
    dialog.chbxShowAttributes->setChecked(false);
    AddColumn("EMAIL", "VARCHAR", true);
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"ID", "NAME", "EMAIL"}));
    EXPECT_EQ(RowColor(2), Green);
    dialog.SelectRow(1);
    dialog.btnDelete->click();
    dialog.btnOK->click();
  });
  EXPECT_TRUE(stored);
  EXPECT_STREQ(table->GetName(), "CLIENT");
  EXPECT_STREQ(table->GetComment(), "Zákazníci");
  EXPECT_EQ(ColumnNames(table), QStringList({"ID", "EMAIL"}));
  EXPECT_TRUE(table->GetColumn(1)->GetKey());
  EXPECT_STREQ(table->GetColumn(1)->GetDataType()->GetName(), "VARCHAR");
  EXPECT_EQ(entity->Caption(), "CLIENT");
  EXPECT_FALSE(entity->DrawAll());
  EXPECT_EQ(AttributeNames(entity), QStringList({"ID", "EMAIL"}));
  EXPECT_EQ(entity->Attributes()->Items()[1].Value, 1);
  EXPECT_EQ(entity->Attributes()->Items()[1].Property, "VARCHAR");
  EXPECT_EQ(dialog.DeletedColumns().Count(), 1);
  EXPECT_EQ(dialog.Mirror(), nullptr);
}

TEST_F(EntityDialog, CancelLeavesTableAndEntityAsTheyWere) {
  const bool stored = Run([this] {
    dialog.edtName->setText("CLIENT");
    dialog.chbxShowAttributes->setChecked(false);
    AddColumn("EMAIL", "VARCHAR");
    dialog.SelectRow(0);
    dialog.btnDelete->click();
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(stored);
  EXPECT_STREQ(table->GetName(), "CUSTOMER");
  EXPECT_EQ(ColumnNames(table), QStringList({"ID", "NAME"}));
  EXPECT_EQ(entity->Caption(), "CUSTOMER");
  EXPECT_TRUE(entity->DrawAll());
  EXPECT_EQ(AttributeNames(entity), QStringList({"ID", "NAME"}));
  EXPECT_TRUE(dialog.DeletedColumns().Empty());
}

TEST_F(EntityDialog, ApplyThenCancelReportsTheStoreAndNewRowsTurnBlue) {
  const bool stored = Run([this] {
    dialog.edtName->setText("CLIENT");
    AddColumn("EMAIL", "VARCHAR");
    EXPECT_EQ(RowColor(2), Green);
    dialog.btnApply->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(RowColor(2), Blue);
    EXPECT_STREQ(table->GetName(), "CLIENT");
    dialog.edtName->setText("LATER");
    dialog.btnCancel->click();
  });
  EXPECT_TRUE(stored);
  EXPECT_STREQ(table->GetName(), "CLIENT");
  EXPECT_EQ(ColumnNames(table), QStringList({"ID", "NAME", "EMAIL"}));
  EXPECT_EQ(entity->Caption(), "CLIENT");
}

// At the size the dialog opens with, and at its least size, the three columns fit the list:
// nothing scrolls sideways and every heading shows whole.
TEST_F(EntityDialog, TheAttributeColumnsFitTheList) {
  plugin::AddColumn(Model(), table, "DELIVERY_ADDRESS", "VARCHAR", "100");
  Run([this] {
    dialog.pgcEntity->setCurrentWidget(dialog.tsAttribute);
    ExpectColumnsFit(&dialog, dialog.lvAttribute, {dialog.size(), dialog.minimumSize()});
    dialog.btnCancel->click();
  });
}

TEST_F(EntityDialog, RowButtonsMoveAndDeleteAndKeepASelection) {
  plugin::AddColumn(Model(), table, "CITY", "VARCHAR", "20");
  Run([this] {
    // Up on the first and Down on the last row do nothing.
    dialog.SelectRow(0);
    dialog.btnUp->click();
    dialog.SelectRow(2);
    dialog.btnDown->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"ID", "NAME", "CITY"}));
    dialog.btnUp->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"ID", "CITY", "NAME"}));
    EXPECT_EQ(dialog.SelectedRow(), 1);
    dialog.SelectRow(0);
    dialog.btnDown->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"CITY", "ID", "NAME"}));
    EXPECT_EQ(dialog.SelectedRow(), 1);
    // Deleting the last row selects the new last row; the only row leaves none.
    dialog.SelectRow(2);
    dialog.btnDelete->click();
    EXPECT_EQ(dialog.SelectedRow(), 1);
    dialog.btnDelete->click();
    EXPECT_EQ(dialog.SelectedRow(), 0);
    dialog.btnDelete->click();
    EXPECT_EQ(dialog.SelectedRow(), -1);
    dialog.btnDelete->click(); // nothing selected: nothing happens
    dialog.btnOK->click();
  });
  EXPECT_EQ(table->GetColumnCount(), 0);
  EXPECT_EQ(entity->Attributes()->Count(), 0);
}

TEST_F(EntityDialog, AttributeDialogRefusesAnEmptyOrTakenNameAndCancelDropsTheNewColumn) {
  QStringList shown;
  Run([this, &shown] {
    // A new column named like an existing one in other capitals; then an empty name.
    AnswerNext([this, &shown](QWidget*) {
      TfrmAttribute* a = dialog.frmAttribute;
      a->edtName->setText("id");
      AnswerMessage(shown);
      a->btnOK->click();
      EXPECT_TRUE(a->isVisible());
      a->edtName->clear();
      AnswerMessage(shown);
      a->btnOK->click();
      EXPECT_TRUE(a->isVisible());
      EXPECT_EQ(a->pcAttribute->currentWidget(), a->tsType);
      a->btnCancel->click();
    });
    dialog.btnNew->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute), QStringList({"ID", "NAME"}));
    // Renaming a column to its own name in other capitals is accepted.
    dialog.SelectRow(1);
    AnswerNext([this](QWidget*) {
      TfrmAttribute* a = dialog.frmAttribute;
      EXPECT_EQ(a->windowTitle(), QStringLiteral("Úprava atributu"));
      EXPECT_EQ(a->edtName->text(), "NAME");
      EXPECT_EQ(a->cbxType->currentText(), "VARCHAR");
      a->edtName->setText("Name");
      a->btnOK->click();
      EXPECT_FALSE(a->isVisible());
    });
    dialog.btnEdit->click();
    dialog.btnOK->click();
  });
  EXPECT_EQ(shown, QStringList({"Sloupec tohoto jména již existuje", "Nebylo vyplněno jméno sloupce"}));
  EXPECT_EQ(ColumnNames(table), QStringList({"ID", "Name"}));
}

TEST_F(EntityDialog, ChoosingAnotherTypeStartsWithEmptyValuesAndCancelKeepsTheOldType) {
  Run([this] {
    dialog.SelectRow(1);
    AnswerNext([this](QWidget*) {
      TfrmAttribute* a = dialog.frmAttribute;
      EXPECT_FALSE(a->fraPEType->IsEmpty()); // VARCHAR's length
      a->cbxType->setCurrentText("INTEGER");
      a->btnCancel->click();
    });
    dialog.btnEdit->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute, 2), QStringList({"INTEGER", "VARCHAR"}));
    AnswerNext([this](QWidget*) {
      dialog.frmAttribute->cbxType->setCurrentText("INTEGER");
      dialog.frmAttribute->btnOK->click();
    });
    dialog.btnEdit->click();
    EXPECT_EQ(ColumnTexts(dialog.lvAttribute, 2), QStringList({"INTEGER", "INTEGER"}));
    dialog.btnOK->click();
  });
  EXPECT_STREQ(table->GetColumn(1)->GetDataType()->GetName(), "INTEGER");
  EXPECT_EQ(entity->Attributes()->Items()[1].Property, "INTEGER");
}

TEST_F(EntityDialog, AFindingShowsItsPlaceOnTheErrorPage) {
  const int indexes = plugin::Position(table, "Indexes");
  const TCheckRecord onParam = Finding({{TCheckRecord::ltTable, 0}, {TCheckRecord::ltParam, indexes}}, "Bad");
  Run(
      [this] {
        ASSERT_TRUE(dialog.pgcEntity->isTabVisible(dialog.pgcEntity->indexOf(dialog.tsError)));
        EXPECT_EQ(dialog.mmError->toPlainText().remove(QLatin1Char('\r')),
                  QStringLiteral("Přesná lokace:\n\tL0/L1/\n\nPopis chyby:\n\tBad"));
        EXPECT_EQ(dialog.pgcEntity->currentWidget(), dialog.tsProperties);
        QTreeWidgetItem* node = dialog.fraPEEntity->tvParam->currentItem();
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(TfraParamEdit::NodePosition(node), plugin::Position(table, "Indexes"));
        dialog.btnCancel->click();
      },
      &onParam);

  // The column list as a whole, and an index past the rows: the page only.
  for (int index : {-1, 2}) {
    SCOPED_TRACE(index);
    const TCheckRecord onList = Finding({{TCheckRecord::ltTable, 0}, {TCheckRecord::ltColumn, index}}, "No");
    Run(
        [this] {
          QApplication::processEvents();
          EXPECT_EQ(dialog.pgcEntity->currentWidget(), dialog.tsAttribute);
          EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
          dialog.btnCancel->click();
        },
        &onList);
  }
}

TEST_F(EntityDialog, AColumnFindingOpensTheAttributeDialogOnItsRow) {
  const int notNull = plugin::Position(table->GetColumn(1), "NotNull");
  const TCheckRecord onColumnParam = Finding(
      {{TCheckRecord::ltTable, 0}, {TCheckRecord::ltColumn, 1}, {TCheckRecord::ltParam, notNull}}, "Null");
  bool opened = false;
  Run(
      [this, &opened, notNull] {
        EXPECT_EQ(dialog.pgcEntity->currentWidget(), dialog.tsAttribute);
        EXPECT_EQ(dialog.SelectedRow(), 1);
        AnswerNext([this, &opened, notNull](QWidget* W) {
          opened = W == dialog.frmAttribute;
          TfrmAttribute* a = dialog.frmAttribute;
          EXPECT_EQ(a->edtName->text(), "NAME");
          EXPECT_TRUE(a->pcAttribute->isTabVisible(a->pcAttribute->indexOf(a->tsError)));
          EXPECT_TRUE(a->mmError->toPlainText().contains("Null"));
          EXPECT_EQ(a->pcAttribute->currentWidget(), a->tsProperties);
          ASSERT_NE(a->fraPEColumn->tvParam->currentItem(), nullptr);
          EXPECT_EQ(TfraParamEdit::NodePosition(a->fraPEColumn->tvParam->currentItem()), notNull);
          a->btnCancel->click();
          QTimer::singleShot(0, [this] { dialog.btnCancel->click(); });
        });
      },
      &onColumnParam);
  EXPECT_TRUE(opened);

  // A finding about the data type: the type box shows the column's own type.
  const int length = plugin::Position(table->GetColumn(1)->GetDataType(), "Length");
  const TCheckRecord onType = Finding({{TCheckRecord::ltTable, 0},
                                       {TCheckRecord::ltColumn, 1},
                                       {TCheckRecord::ltDataType, 0},
                                       {TCheckRecord::ltParam, length}},
                                      "Length");
  opened = false;
  Run(
      [this, &opened, length] {
        AnswerNext([this, &opened, length](QWidget* W) {
          opened = W == dialog.frmAttribute;
          TfrmAttribute* a = dialog.frmAttribute;
          EXPECT_EQ(a->pcAttribute->currentWidget(), a->tsType);
          EXPECT_EQ(a->cbxType->currentText(), "VARCHAR");
          ASSERT_NE(a->fraPEType->tvParam->currentItem(), nullptr);
          EXPECT_EQ(TfraParamEdit::NodePosition(a->fraPEType->tvParam->currentItem()), length);
          a->btnOK->click();
          QTimer::singleShot(0, [this] { dialog.btnCancel->click(); });
        });
      },
      &onType);
  EXPECT_TRUE(opened);
  EXPECT_STREQ(table->GetColumn(1)->GetDataType()->GetName(), "VARCHAR");
}

} // namespace
