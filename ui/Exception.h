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

// The text of a caught exception, for a handler that reports it instead of letting it into the
// event loop: the message of an Exception, what() of any other standard exception, and
// Unknown for anything else.
inline QString MessageOf(std::exception_ptr Error, const QString& Unknown) {
  try {
    std::rethrow_exception(Error);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return Unknown;
  }
}

} // namespace ui
