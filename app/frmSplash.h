#pragma once
// The splash window shown while the program starts: the picture, the version and build date
// of the program, and what the start-up is doing.

#include <QWidget>

class QLabel;

class TfrmSplash : public QWidget {
  Q_OBJECT
public:
  // BuildDate in the form "May 24 2001", BuildTime "16:27:23"; an empty FileVersion (no
  // version data) leaves the version and date labels at their form texts.
  TfrmSplash(const QString& BuildDate, const QString& BuildTime, const QString& FileVersion,
             QWidget* Parent = nullptr);
  // The program's own build date and version.
  explicit TfrmSplash(QWidget* Parent = nullptr);

  // Shows Text at once, while no events are processed.
  void SetProgressText(const QString& Text);

  QLabel* Image1;
  QLabel* lProgress;
  QLabel* Label1;
  QLabel* lVersion;
  QLabel* lDateTime;
};
