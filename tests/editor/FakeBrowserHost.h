// A schema window as the browsers see it: a document, a model, and a record of every call
// the browsers make. The dialogs answer as Answer says and run Edit first.
#pragma once

#include "editor/BrowserHost.h"
#include "editor/VisualModel.h"

#include <QPoint>

#include <functional>
#include <string>
#include <vector>

class TFakeBrowserHost : public TBrowserHost {
public:
  struct TCall {
    std::string What;
    const void* Element = nullptr;
    const Morvik::TCheckRecord* Record = nullptr;
  };

  TVisualModel* DesignDocument() override { return &Document; }
  Morvik::TModel* DesignModel() override { return Model; }
  void LocateElement(TMorvikGraphic* Element) override { Calls.push_back({"locate", Element}); }
  void PopupElementMenu(TMorvikGraphic* Element, const QPoint& Pos) override {
    Calls.push_back({"popup", Element});
  }
  bool EditModelAt(const Morvik::TCheckRecord* Record) override { return Dialog("model", nullptr, Record); }
  bool EditEntityAt(TEntity* Entity, const Morvik::TCheckRecord* Record) override {
    return Dialog("entity", Entity, Record);
  }
  bool EditRelationAt(TRelation* Relation, const Morvik::TCheckRecord* Record) override {
    return Dialog("relation", Relation, Record);
  }
  void SetModified(bool Modified, TModifiedKind Kind) override {
    Calls.push_back({"modified " + std::to_string(Modified) + " " + std::to_string(Kind)});
  }
  void DockedWindowHidden(QWidget* Window) override { Calls.push_back({"undocked", Window}); }

  // The calls as "what" texts, in order.
  std::vector<std::string> What() const {
    std::vector<std::string> list;
    for (const TCall& c : Calls) list.push_back(c.What);
    return list;
  }

  TVisualModel Document;
  Morvik::TModel* Model = nullptr;
  bool Answer = true;
  std::function<void()> Edit;
  std::vector<TCall> Calls;

private:
  bool Dialog(const char* What, const void* Element, const Morvik::TCheckRecord* Record) {
    Calls.push_back({What, Element, Record});
    if (Edit) Edit();
    return Answer;
  }
};
