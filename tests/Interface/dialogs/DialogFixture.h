// A schema window bound to the built plug-in, for driving the property dialogs: entities,
// relations and the small elements made as the mouse tools make them, and answers to the
// modal windows that a dialog opens.
#pragma once

#include "tests/Interface/edit/PluginFixture.h"
#include "tests/editor/FakeDesignHost.h"

#include "Interface/MorvikInterface.h"
#include "Interface/edit/CheckRecord.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/frmDesign.h"
#include "ui/MB.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dialogtest {

// Runs Action on the next modal window (the one a click is about to open) inside its loop.
inline void AnswerNext(std::function<void(QWidget*)> Action) {
  QTimer::singleShot(0, [Action] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    Action(modal);
  });
}

// Answers the next message box with OK and records its text.
inline void AnswerMessage(QStringList& Shown) {
  AnswerNext([&Shown](QWidget* W) {
    auto* box = qobject_cast<TfMB*>(W);
    ASSERT_NE(box, nullptr);
    Shown << box->lMsg->text();
    box->Buttons().front()->click();
  });
}

// The texts of one column of a list view, top to bottom.
inline QStringList ColumnTexts(const QTreeWidget* List, int Column = 0) {
  QStringList texts;
  for (int i = 0; i < List->topLevelItemCount(); ++i) texts << List->topLevelItem(i)->text(Column);
  return texts;
}

// Resizes Dialog to each size and expects the columns of List to fit it: nothing scrolls
// sideways and every heading shows whole.
inline void ExpectColumnsFit(QWidget* Dialog, const QTreeWidget* List, std::initializer_list<QSize> Sizes) {
  for (const QSize size : Sizes) {
    SCOPED_TRACE(size.width());
    Dialog->resize(size);
    QApplication::processEvents();
    const QHeaderView* header = List->header();
    const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    EXPECT_EQ(List->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(header->length(), List->viewport()->width());
    for (int i = 0; i < header->count(); ++i) {
      const QString heading = List->headerItem()->text(i);
      EXPECT_GE(header->sectionSize(i), header->fontMetrics().horizontalAdvance(heading) + margin)
          << heading.toStdString();
    }
  }
}

inline QStringList ColumnNames(const Morvik::TTable* Table) {
  QStringList names;
  for (int i = 0; i < Table->GetColumnCount(); ++i)
    names << QString::fromUtf8(Table->GetColumn(i)->GetName());
  return names;
}

inline QStringList AttributeNames(const TEntity* Entity) {
  QStringList names;
  for (int i = 0; i < Entity->Attributes()->Count(); ++i) names << Entity->Attributes()->Items()[i].Name;
  return names;
}

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    design = std::make_unique<TfrmDesign>(&host);
    design->setAttribute(Qt::WA_DeleteOnClose, false);
    ASSERT_TRUE(design->BindModel(QStringLiteral("varne.so"), QStringLiteral("InterBase 6"), "2.0"))
        << qPrintable(design->LoadError);
    design->resize(800, 600);
    design->show();
    QApplication::processEvents();
    design->sbxDesktop->SetHorzPosition(0);
    design->sbxDesktop->SetVertPosition(0);
  }
  void TearDown() override {
    design.reset();
    TDesignSamples::SetCurrent(nullptr);
  }

  Morvik::TModel* Model() const { return design->Model; }

  // An entity at (X, Y) whose table is named Table and holds ID (INTEGER, key) and NAME
  // (VARCHAR(40)).
  TEntity* NewEntity(int X, int Y, const std::string& Table) {
    TEntity* entity = design->CreateEntityAt(ui::TMouseButton::mbLeft, X, Y);
    Morvik::TTable* table = entity->Table();
    table->SetName(Table.c_str());
    plugin::AddColumn(Model(), table, "ID", "INTEGER")->SetKey(true);
    plugin::AddColumn(Model(), table, "NAME", "VARCHAR", "40");
    design->BindEntityToTable(entity, table);
    return entity;
  }
  // A relation from the parent's entity to the child's, as the relation tool draws it.
  TRelation* NewRelation(TEntity* Parent, TEntity* Child) {
    design->Mouse().StartRelationDrag(Parent, ui::ssLeft, Parent->Left() + 5, Parent->Top() + 5);
    TRelation* relation = design->Mouse().EndRelationDrag(0, Child->Left() + Child->Width() / 2,
                                                          Child->Top() + Child->Height() / 2);
    EXPECT_NE(relation, nullptr);
    return relation;
  }

  TDesignSamples samples;
  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
};

// A finding below the given levels: (type, index) pairs, the message last.
inline Morvik::TCheckRecord Finding(std::vector<std::pair<Morvik::TCheckRecord::TLevelType, int>> Levels,
                                    const char* Message) {
  Morvik::TCheckRecord record;
  for (std::size_t i = 0; i < Levels.size(); ++i)
    record = Morvik::TCheckRecord(record, "L" + std::to_string(i) + "/", Levels[i].first, Levels[i].second,
                                  i + 1 == Levels.size() ? Message : nullptr);
  return record;
}

} // namespace dialogtest
