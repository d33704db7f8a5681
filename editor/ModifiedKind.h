#pragma once
// What a change of a schema touched. The schema window's SetModified stamps the document's
// times after it, and a structural change (model, creation) re-runs the model check.

enum TModifiedKind : int {
  // Nothing to stamp: the mark cleared after saving.
  mkNothing = 0,
  // The drawing only: positions, sizes, looks, the texts of notes and labels, entry points.
  mkDrawing = 1,
  // The model: tables, columns, references, model parameters, and deleted entities and relations.
  mkModel = 2,
  // A new entity or relation.
  mkCreation = 3
};
