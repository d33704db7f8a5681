// The relation dialog and its pair dialog on a relation between two entities of a schema
// window bound to the built plug-in: what OK, Apply and Cancel leave in the reference, the
// pairs added, changed and deleted, the entity dialogs opened from here and the jump to a
// finding.
#include "DialogFixture.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/dialogs/frmAttribute.h"
#include "Interface/dialogs/frmEditRefColumns.h"
#include "Interface/dialogs/frmEntityProperties.h"
#include "Interface/dialogs/frmRelationProperties.h"
#include "diagram/TextLabel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace dialogtest;
using Morvik::TCheckRecord;

namespace {

class RelationDialog : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    parent = NewEntity(20, 20, "CUSTOMER");
    child = NewEntity(300, 20, "ORDERS");
    plugin::AddColumn(Model(), child->Table(), "CUSTOMER_ID", "INTEGER");
    relation = NewRelation(parent, child);
    ASSERT_NE(relation, nullptr);
    reference = relation->Reference();
    reference->SetName("FK_ORDERS");
    while (reference->GetPairCount() > 0) reference->DeletePair(0);
    reference->AddPair(parent->Table()->GetColumn(0), child->Table()->GetColumn(2)); // ID - CUSTOMER_ID
    reference->AddPair(parent->Table()->GetColumn(1), child->Table()->GetColumn(1)); // NAME - NAME
  }
  bool Run(std::function<void()> Steps, const TCheckRecord* Record = nullptr) {
    QTimer::singleShot(0, [Steps] { Steps(); });
    return dialog.Execute(relation, design->VisualModel.get(), Record, Model());
  }
  // The pair dialog answered with the given columns (empty: none).
  void AnswerPair(const QString& Parent, const QString& Child) {
    AnswerNext([this, Parent, Child](QWidget* W) {
      ASSERT_EQ(W, dialog.frmEditRefColumns);
      dialog.frmEditRefColumns->cbxParent->setCurrentIndex(
          dialog.frmEditRefColumns->cbxParent->findText(Parent));
      dialog.frmEditRefColumns->cbxChild->setCurrentIndex(
          dialog.frmEditRefColumns->cbxChild->findText(Child));
      dialog.frmEditRefColumns->btnOK->click();
    });
  }
  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < dialog.lvColumns->topLevelItemCount(); ++i)
      rows << dialog.lvColumns->topLevelItem(i)->text(0) + "-" + dialog.lvColumns->topLevelItem(i)->text(1);
    return rows;
  }
  QStringList Pairs() const {
    QStringList pairs;
    for (int i = 0; i < reference->GetPairCount(); ++i)
      pairs << QString::fromUtf8(reference->GetPairColumn(0, i)->GetName()) + "-" +
                   QString::fromUtf8(reference->GetPairColumn(1, i)->GetName());
    return pairs;
  }

  TfrmEntityProperties entityDialog;
  TfrmRelationProperties dialog{&entityDialog};
  TEntity* parent = nullptr;
  TEntity* child = nullptr;
  TRelation* relation = nullptr;
  Morvik::TReference* reference = nullptr;
};

// At the size the dialog opens with, and at its least size, the two columns of pairs fit the
// list.
TEST_F(RelationDialog, ThePairColumnsFitTheList) {
  Run([this] {
    dialog.pgcRelation->setCurrentWidget(dialog.tsColumns);
    ExpectColumnsFit(&dialog, dialog.lvColumns, {dialog.size(), dialog.minimumSize()});
    dialog.btnCancel->click();
  });
}

TEST_F(RelationDialog, PairsAddedChangedAndDeletedAreStoredWithNameAndNoteOnOk) {
  const bool stored = Run([this] {
    EXPECT_EQ(dialog.edtName->text(), "FK_ORDERS");
    EXPECT_EQ(Rows(), QStringList({"ID-CUSTOMER_ID", "NAME-NAME"}));
    EXPECT_EQ(TfrmRelationProperties::RowIndex(dialog.lvColumns->topLevelItem(0), 1), 2);
    dialog.edtName->setText("FK_CUSTOMER");
    dialog.mmNote->setPlainText("Objednávky zákazníka");
    AnswerPair("NAME", "ID");
    dialog.btnNew->click();
    dialog.SelectRow(0);
    AnswerPair("ID", "ID");
    dialog.btnEdit->click();
    dialog.SelectRow(1);
    dialog.btnDel->click();
    EXPECT_EQ(dialog.SelectedRow(), 1); // the row now at the same place
    EXPECT_EQ(Rows(), QStringList({"ID-ID", "NAME-ID"}));
    dialog.btnOK->click();
  });
  EXPECT_TRUE(stored);
  EXPECT_STREQ(reference->GetName(), "FK_CUSTOMER");
  EXPECT_STREQ(reference->GetComment(), "Objednávky zákazníka");
  EXPECT_EQ(Pairs(), QStringList({"ID-ID", "NAME-ID"}));
  EXPECT_EQ(dialog.Mirror(), nullptr);
}

TEST_F(RelationDialog, CancelLeavesTheReferenceAndApplyBeforeItReportsTheStore) {
  bool stored = Run([this] {
    dialog.edtName->setText("FK_OTHER");
    dialog.SelectRow(0);
    dialog.btnDel->click();
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(stored);
  EXPECT_STREQ(reference->GetName(), "FK_ORDERS");
  EXPECT_EQ(Pairs(), QStringList({"ID-CUSTOMER_ID", "NAME-NAME"}));

  stored = Run([this] {
    dialog.edtName->setText("FK_APPLIED");
    dialog.SelectRow(1);
    dialog.btnDel->click();
    dialog.btnApply->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Rows(), QStringList({"ID-CUSTOMER_ID"}));
    dialog.edtName->setText("FK_LATER");
    dialog.btnCancel->click();
  });
  EXPECT_TRUE(stored);
  EXPECT_STREQ(reference->GetName(), "FK_APPLIED");
  EXPECT_EQ(Pairs(), QStringList({"ID-CUSTOMER_ID"}));
}

TEST_F(RelationDialog, PairDialogRefusesAMissingColumnAndItsCancelKeepsTheRow) {
  QStringList shown;
  Run([this, &shown] {
    dialog.SelectRow(0);
    AnswerNext([this, &shown](QWidget*) {
      TfrmEditRefColumns* pair = dialog.frmEditRefColumns;
      EXPECT_EQ(pair->cbxParent->currentText(), "ID");
      EXPECT_EQ(pair->cbxChild->currentText(), "CUSTOMER_ID");
      EXPECT_FALSE(pair->pcColumns->isTabVisible(pair->pcColumns->indexOf(pair->tsError)));
      pair->cbxChild->setCurrentIndex(-1);
      AnswerNext([&shown](QWidget* W) {
        auto* box = qobject_cast<TfMB*>(W);
        ASSERT_NE(box, nullptr);
        shown << box->windowTitle() << box->lMsg->text();
        box->Buttons().front()->click();
      });
      pair->btnOK->click();
      EXPECT_TRUE(pair->isVisible());
      pair->cbxChild->setCurrentIndex(0);
      pair->btnCancel->click();
    });
    dialog.btnEdit->click();
    EXPECT_EQ(Rows(), QStringList({"ID-CUSTOMER_ID", "NAME-NAME"}));
    // Deleting the last row selects the new last row; the only row leaves none.
    dialog.SelectRow(1);
    dialog.btnDel->click();
    EXPECT_EQ(dialog.SelectedRow(), 0);
    dialog.btnDel->click();
    EXPECT_EQ(dialog.SelectedRow(), -1);
    dialog.btnCancel->click();
  });
  EXPECT_EQ(shown, QStringList({"Chyba!", "Nebyl vybrán sloupec!"}));
}

TEST_F(RelationDialog, AnEntityDialogDeletingAColumnPrunesItsPairsAndKeepsTheOtherEdits) {
  const bool stored = Run([this] {
    // The user's own edit first: the first pair's child becomes ID.
    dialog.SelectRow(0);
    AnswerPair("ID", "ID");
    dialog.btnEdit->click();
    // In the parent's entity dialog NAME goes and ID is renamed.
    AnswerNext([this](QWidget* W) {
      ASSERT_EQ(W, &entityDialog);
      EXPECT_EQ(entityDialog.edtName->text(), "CUSTOMER");
      entityDialog.SelectRow(1);
      entityDialog.btnDelete->click();
      entityDialog.SelectRow(0);
      AnswerNext([this](QWidget*) {
        entityDialog.frmAttribute->edtName->setText("CID");
        entityDialog.frmAttribute->btnOK->click();
      });
      entityDialog.btnEdit->click();
      entityDialog.btnOK->click();
    });
    dialog.btnPrimEnt->click();
    EXPECT_EQ(Rows(), QStringList({"CID-ID"}));
    dialog.btnCancel->click();
  });
  // The relation dialog was cancelled, but the entity dialog stored.
  EXPECT_TRUE(stored);
  EXPECT_EQ(ColumnNames(parent->Table()), QStringList({"CID"}));
  EXPECT_EQ(reference->GetPairCount(), 1); // the plug-in dropped the pair of the deleted column
  EXPECT_STREQ(reference->GetPairColumn(1, 0)->GetName(), "CUSTOMER_ID");

  // The same with OK: the pairs stored are the ones left in the list.
  Run([this] {
    AnswerNext([this](QWidget*) {
      entityDialog.SelectRow(0);
      entityDialog.btnDelete->click();
      entityDialog.btnOK->click();
    });
    dialog.Button1->click();
    EXPECT_EQ(Rows(), QStringList({"CID-CUSTOMER_ID"}));
    AnswerPair("CID", "CUSTOMER_ID");
    dialog.btnNew->click();
    dialog.btnOK->click();
  });
  EXPECT_EQ(ColumnNames(child->Table()), QStringList({"NAME", "CUSTOMER_ID"}));
  EXPECT_EQ(Pairs(), QStringList({"CID-CUSTOMER_ID", "CID-CUSTOMER_ID"}));
}

TEST_F(RelationDialog, AnEntityButtonForATableWithoutEntityDoesNothing) {
  design->VisualModel->RemoveEntity(parent);
  const bool stored = Run([this] {
    dialog.btnPrimEnt->click(); // no entity shows the table: no dialog, no failure
    EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
    dialog.btnCancel->click();
  });
  design->VisualModel->AddEntity(parent);
  EXPECT_FALSE(stored);
}

TEST_F(RelationDialog, APairWhoseColumnIsNotInItsTableIsLeftOutOnStore) {
  // A pair naming a child column on the parent side.
  reference->AddPair(child->Table()->GetColumn(0), child->Table()->GetColumn(0));
  Run([this] {
    ASSERT_EQ(dialog.lvColumns->topLevelItemCount(), 3);
    EXPECT_EQ(TfrmRelationProperties::RowIndex(dialog.lvColumns->topLevelItem(2), 0), -1);
    dialog.btnOK->click();
  });
  EXPECT_EQ(Pairs(), QStringList({"ID-CUSTOMER_ID", "NAME-NAME"}));
}

TEST_F(RelationDialog, AFindingShowsItsPlaceAndOpensItsPair) {
  const int onDelete = plugin::Position(reference, "OnDelete");
  const TCheckRecord onParam =
      Finding({{TCheckRecord::ltReference, 0}, {TCheckRecord::ltParam, onDelete}}, "Wrong action");
  Run(
      [this, onDelete] {
        ASSERT_TRUE(dialog.pgcRelation->isTabVisible(dialog.pgcRelation->indexOf(dialog.tsError)));
        EXPECT_EQ(dialog.mmError->toPlainText().remove(QLatin1Char('\r')),
                  QStringLiteral("Přesná lokace:\n\tL0/L1/\n\nPopis chyby:\n\tWrong action"));
        EXPECT_EQ(dialog.pgcRelation->currentWidget(), dialog.tsProperties);
        ASSERT_NE(dialog.fraPERelation->tvParam->currentItem(), nullptr);
        EXPECT_EQ(TfraParamEdit::NodePosition(dialog.fraPERelation->tvParam->currentItem()), onDelete);
        dialog.btnCancel->click();
      },
      &onParam);

  const TCheckRecord onPair = Finding({{TCheckRecord::ltReference, 0}, {TCheckRecord::ltPair, 1}}, "Types");
  bool opened = false;
  Run(
      [this, &opened] {
        EXPECT_EQ(dialog.pgcRelation->currentWidget(), dialog.tsColumns);
        EXPECT_EQ(dialog.SelectedRow(), 1);
        AnswerNext([this, &opened](QWidget* W) {
          opened = W == dialog.frmEditRefColumns;
          TfrmEditRefColumns* pair = dialog.frmEditRefColumns;
          EXPECT_TRUE(pair->pcColumns->isTabVisible(pair->pcColumns->indexOf(pair->tsError)));
          EXPECT_TRUE(pair->mmError->toPlainText().contains("Types"));
          EXPECT_EQ(pair->cbxParent->currentText(), "NAME");
          pair->btnCancel->click();
          QTimer::singleShot(0, [this] { dialog.btnCancel->click(); });
        });
      },
      &onPair);
  EXPECT_TRUE(opened);

  // The pair list as a whole, and an index past the rows: the page only.
  for (int index : {-1, 2}) {
    SCOPED_TRACE(index);
    const TCheckRecord onList =
        Finding({{TCheckRecord::ltReference, 0}, {TCheckRecord::ltPair, index}}, "No");
    Run(
        [this] {
          QApplication::processEvents();
          EXPECT_EQ(dialog.pgcRelation->currentWidget(), dialog.tsColumns);
          EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
          dialog.btnCancel->click();
        },
        &onList);
  }
}

} // namespace
