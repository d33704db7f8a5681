// One page of a documentation site while it is written: the text is gathered in a buffer and
// written out in large pieces to a new file, which takes the place of the old page only when
// the page is closed whole. A page that goes without Close, or whose writing fails, leaves the
// old page as it was.
//
// Every text of the schema reaches a page through Html (escaped for element content and
// attribute values alike) or Fragment (the part of a link after "#"); the fixed markup of the
// site is written as it stands.
#pragma once

#include "ui/Exception.h"
#include "ui/WholeFile.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

// A page file that cannot be created or written.
class EFCreateError : public ui::Exception {
public:
  using ui::Exception::Exception;
};

// A text of the document or the plug-in, written HTML-escaped: & < > and ".
class Html {
public:
  explicit Html(const char* Utf8) : text(Utf8 ? Utf8 : "") {}
  explicit Html(const QByteArray& Utf8) : text(Utf8.constData(), static_cast<size_t>(Utf8.size())) {}
  explicit Html(std::string_view Utf8) : text(Utf8) {}
  explicit Html(const QString& Text)
      : own(Text.toUtf8()), text(own.constData(), static_cast<size_t>(own.size())) {}
  Html(const Html&) = delete;
  Html& operator=(const Html&) = delete;

  std::string_view Text() const { return text; }

private:
  QByteArray own;
  std::string_view text;
};

// A name as the target of a link ("page#" + Fragment): its UTF-8 bytes percent-encoded but for
// letters, digits and - . _ ~ :, so that a browser decodes it back to the anchor's name.
class Fragment {
public:
  explicit Fragment(const QByteArray& Utf8) : text(Utf8.constData(), static_cast<size_t>(Utf8.size())) {}
  Fragment(const Fragment&) = delete;
  Fragment& operator=(const Fragment&) = delete;

  std::string_view Text() const { return text; }

private:
  std::string_view text;
};

// Appends Text to Out escaped for HTML.
void AppendHtml(QByteArray& Out, std::string_view Text);
void AppendHtml(std::string& Out, std::string_view Text);
// Appends Text to Out encoded as a link fragment.
void AppendFragment(QByteArray& Out, std::string_view Text);
void AppendFragment(std::string& Out, std::string_view Text);

class THtmlPage {
public:
  // Starts the new page; EFCreateError when its file cannot be made.
  explicit THtmlPage(const QString& Path);
  // Drops a page that was not closed: the old page stays.
  ~THtmlPage();
  THtmlPage(const THtmlPage&) = delete;
  THtmlPage& operator=(const THtmlPage&) = delete;

  // The pieces one after the other: fixed markup (const char*, QByteArray), numbers, Html and
  // Fragment texts.
  template <class... Pieces>
  void WriteRaw(const Pieces&... Parts) {
    (Append(Parts), ...);
    if (buffer.size() >= FlushSize) Flush();
  }
  // The pieces and a line feed.
  template <class... Pieces>
  void WriteText(const Pieces&... Parts) {
    WriteRaw(Parts..., "\n");
  }
  // Level tabs, the pieces and a line feed.
  template <class... Pieces>
  void WriteLine(int Level, const Pieces&... Parts) {
    AppendTabs(Level);
    WriteText(Parts...);
  }

  // Level tab characters.
  void AppendTabs(int Level) {
    static constexpr char Tabs[] = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
    for (; Level > 16; Level -= 16) buffer.append(Tabs, 16);
    if (Level > 0) buffer.append(Tabs, static_cast<size_t>(Level));
  }

  // The head of a content page with its title, and the tail that closes it.
  void WritePageHead(const char* Title);
  void WritePageTail();

  // Writes what is left and puts the page in place of the old one; EFCreateError when the
  // file cannot take it, and the old page stays.
  void Close();

  const QString& Path() const { return path; }

private:
  // Small enough for the heap's reused blocks (no fresh pages of memory for every page).
  static constexpr size_t FlushSize = 64 * 1024;

  // A literal's length is known where it is written.
  template <size_t N>
  void Append(const char (&Text)[N]) {
    buffer.append(Text, N - 1);
  }
  void Append(const char* Text) { buffer.append(Text); }
  void Append(const QByteArray& Text) { buffer.append(Text.constData(), static_cast<size_t>(Text.size())); }
  void Append(int Number) { buffer.append(std::to_string(Number)); }
  void Append(const Html& Text) { AppendHtml(buffer, Text.Text()); }
  void Append(const Fragment& Text) { AppendFragment(buffer, Text.Text()); }
  void Flush();

  QString path;
  // Open until the page is closed or its writing failed.
  std::unique_ptr<ui::TWholeFile> file;
  std::string buffer;
};

// The line of a page's head that declares its character set.
inline constexpr const char* CharsetMeta =
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">";
