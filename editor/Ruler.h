#pragma once
// A ruler beside the desktop: a plain widget whose owner paints it.

#include <QWidget>
#include <functional>

class QPainter;

class TRuler : public QWidget {
public:
  explicit TRuler(QWidget* Parent = nullptr) : QWidget(Parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

  // Paints the whole ruler; any exception is reported through OnError.
  std::function<void(QPainter& Painter)> OnPaint;
  std::function<void(const QString& Message)> OnError;

protected:
  void paintEvent(QPaintEvent* Event) override;
};
