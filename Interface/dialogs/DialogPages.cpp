#include "Interface/dialogs/DialogPages.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

QPlainTextEdit* AddMemoPage(QTabWidget* Pages, const QString& Caption, const char* PageName,
                            const char* MemoName, QWidget*& Page) {
  Page = new QWidget;
  Page->setObjectName(QString::fromLatin1(PageName));
  auto* memo = new QPlainTextEdit(Page);
  memo->setObjectName(QString::fromLatin1(MemoName));
  (new QVBoxLayout(Page))->addWidget(memo);
  Pages->addTab(Page, Caption);
  return memo;
}

QPlainTextEdit* AddErrorPage(QTabWidget* Pages, QWidget*& Page) {
  QPlainTextEdit* memo = AddMemoPage(Pages, QStringLiteral("Popis chyby"), "tsError", "mmError", Page);
  memo->setReadOnly(true);
  return memo;
}

QPushButton* PageButton(const QString& Caption, const char* Name, QWidget* Parent) {
  auto* b = new QPushButton(Caption, Parent);
  b->setObjectName(QString::fromLatin1(Name));
  return b;
}
