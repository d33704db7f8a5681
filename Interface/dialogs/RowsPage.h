#pragma once
// A page of a property dialog that lists rows (an entity's attributes, a relation's column
// pairs) with the buttons that work on them in a column on its right. The list is flat, shows
// each cell framed, and takes whole rows, one at a time, never edited in place.

#include <QString>
#include <QWidget>

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

class TRowsPage : public QWidget {
public:
  // PageName and ListName: the object names of the page and of its list.
  TRowsPage(const char* PageName, const char* ListName, QWidget* Parent = nullptr);

  QTreeWidget* List() const { return list; }
  // Adds a button below the last one, named Name.
  QPushButton* AddButton(const QString& Caption, const char* Name);
  // Leaves Height pixels of room below the last button.
  void AddGap(int Height);

  // The selected row; -1 when none.
  int SelectedRow() const;
  // Selects Row; a row out of range selects none.
  void SelectRow(int Row);
  // After the rows changed: selects the row at the place Previous had, the last one when the
  // list is shorter now; none without rows or when Previous is -1.
  void KeepSelectionAt(int Previous);

private:
  QTreeWidget* list;
  QVBoxLayout* buttons;
};
