#pragma once
// The base exception of the drawing layer and the program: it carries a message text.

#include <QString>
#include <QByteArray>
#include <exception>

namespace ui {

class Exception : public std::exception {
public:
  explicit Exception(const QString& Message) { SetMessage(Message); }
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

protected:
  void SetMessage(const QString& Message) {
    FMessage = Message;
    FUtf8 = Message.toUtf8();
  }

private:
  QString FMessage;
  QByteArray FUtf8;
};

}  // namespace ui
