#pragma once
// Pieces that the property dialogs build their pages from: a page holding one multi-line
// text (the note, the error page) and a named button of a page.

#include <QString>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

// Appends to Pages a page named PageName, captioned Caption, filled by one multi-line text
// named MemoName; Page receives the page.
QPlainTextEdit* AddMemoPage(QTabWidget* Pages, const QString& Caption, const char* PageName,
                            const char* MemoName, QWidget*& Page);
// The error page of a finding: "Popis chyby" with the read-only text mmError on tsError.
QPlainTextEdit* AddErrorPage(QTabWidget* Pages, QWidget*& Page);
// A button of a page, named Name.
QPushButton* PageButton(const QString& Caption, const char* Name, QWidget* Parent);
