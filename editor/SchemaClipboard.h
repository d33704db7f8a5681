#pragma once
// Copying selected elements of a schema as clipboard text, and pasting such text into a
// schema window of the same plug-in model. The text is the XML of a store with the groups of
// the schema file, every component name prefixed "_clip_"; pasting numbers the elements
// after the highest numbers of the target schema.

#include "ui/Types.h"

#include <QString>
#include <vector>

class TVisualModel;
class TSchemaHost;
class TMorvikGraphic;
class TRelation;
class TEntryPoint;

// The message of a paste from a schema of another plug-in model, under the caption "Chyba!".
inline const QString IncompatibleModelText = QStringLiteral(
    "Nekompatibilní databáze!\nNejspíše se snažíte zkopírovat data ze schématu, který je určen pro jinou "
    "cílovou databázi.");

// The clipboard text of the selected elements: every selected entity and note, the entry
// points of selected entities, selected free labels, the relations whose two ends are both
// selected with their labels, and the project-information block when it is selected.
// Elements must stand at 100 %; Origin is the view origin at 100 %.
QString CopySchemaText(const TVisualModel& Document, const std::vector<TMorvikGraphic*>& Selection,
                       const ui::TPoint& Origin);

enum class TPasteResult {
  NoSchemaData, // the text holds no schema data: nothing happens, nothing is shown
  OtherModel,   // the text was copied from a schema of another plug-in model: nothing happens
  Pasted,
};

// What a paste added: the elements to select (entities, notes, text labels and the
// project-information block), and the relations and entry points, which are not selected.
struct TPastedElements {
  std::vector<TMorvikGraphic*> Selected;
  std::vector<TRelation*> Relations;
  std::vector<TEntryPoint*> EntryPoints;
};

// Adds the elements of a clipboard text to the host's schema, renamed after the highest
// numbers of their kinds there, with new plug-in tables and references. A project-information
// block comes only into a schema without one, as "ProjectInfo_0", keeping the target's times.
// Origin is the view origin at 100 %, the zoom 100 %. Raises when the text cannot be pasted;
// then everything pasted so far is gone again, with its plug-in objects.
TPasteResult PasteSchemaText(TSchemaHost& Host, const QString& Text, const ui::TPoint& Origin,
                             TPastedElements* Pasted = nullptr);
