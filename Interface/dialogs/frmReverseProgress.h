#pragma once
// The progress window of reverse engineering, also shown while a schema is saved, loaded
// or pasted, and the progress object that plug-ins and the store report to.

#include "Interface/MorvikInterface.h"

#include <QWidget>
#include <memory>

class QLabel;
class QProgressBar;
class TfrmReverseProgress;

// Drives the bar and the text of the progress window. Positions past the maximum stay at
// the maximum.
class TMyProgressBar : public Morvik::TProgress {
public:
  explicit TMyProgressBar(TfrmReverseProgress* Window) : window(Window) {}
  // The bar from 0 to Max (a negative Max counts as 0), the window's caption, and the
  // window shows the change at once.
  void Start(const char* Caption, int Max) override;
  // One step more, with Text beneath the bar.
  void Step(const char* Text) override;
  int Max() const { return max; }
  int StepCount() const { return step; }

private:
  TfrmReverseProgress* window;
  int max = 100;
  int step = 0;
};

class TfrmReverseProgress : public QWidget {
  Q_OBJECT
public:
  explicit TfrmReverseProgress(QWidget* Parent = nullptr);
  ~TfrmReverseProgress() override;

  TMyProgressBar* Progress() const { return FProgress.get(); }

  QLabel* lDescription;
  QProgressBar* pbReverse;

private:
  std::unique_ptr<TMyProgressBar> FProgress;
};

// Shows the one progress window (not modally) when it is hidden; hides it when it is shown.
// The window is made by SetProgressWindow at start-up; without one they do nothing.
void SetProgressWindow(TfrmReverseProgress* Window);
TfrmReverseProgress* ProgressWindow();
void ShowProgress();
void HideProgress();
