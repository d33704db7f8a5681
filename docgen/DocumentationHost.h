// What the documentation needs of the program around it. The program implements these; the
// documentation's own code stays below the main window and the schema window.
#pragma once

#include <QString>

// Told as the generator goes through the schema, so that the program can show how far it got
// and repaint meanwhile.
class TDocumentationProgress {
public:
  // Done of Total steps are written.
  virtual void Progress(int Done, int Total) = 0;

protected:
  ~TDocumentationProgress() = default;
};

// The documentation dialog's way to the program.
class TDocumentationHost : public TDocumentationProgress {
public:
  // The busy cursor on (true) or off (false).
  virtual void SetBusy(bool Busy) = 0;
  // The folder beside the program holding the style sheet and the tree images of a site.
  virtual QString ImagesFolder() const = 0;
  // Checks the model and generates the script of the schema window being documented, as the
  // script-generating command does.
  virtual void GenerateScript() = 0;
  // Opens the last generated documentation of the schema window in the HTML viewer, as the
  // show-documentation command does.
  virtual void ShowDocumentation() = 0;
  // Shows Message in the plain message display.
  virtual void ShowMessage(const QString& Message) = 0;
  // Shows Text, a line feed and Detail in the standard message display.
  virtual void ShowJoinedMessage(const QString& Text, const QString& Detail) = 0;

protected:
  ~TDocumentationHost() = default;
};
