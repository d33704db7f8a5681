#include "docgen/HtmlPage.h"

#include <QByteArrayView>

#include <array>

namespace {

template <class Bytes>
void AppendBytes(Bytes& Out, const char* Data, size_t Size) {
  Out.append(Data, static_cast<decltype(Out.size())>(Size));
}

// The characters that HTML text and attribute values must not hold as they stand.
constexpr std::array<const char*, 256> Entities = [] {
  std::array<const char*, 256> entities{};
  entities['&'] = "&amp;";
  entities['<'] = "&lt;";
  entities['>'] = "&gt;";
  entities['"'] = "&quot;";
  return entities;
}();

template <class Bytes>
void EscapeInto(Bytes& Out, std::string_view Text) {
  const char* run = Text.data();
  const char* const end = Text.data() + Text.size();
  for (const char* p = run; p != end; ++p) {
    const char* entity = Entities[static_cast<unsigned char>(*p)];
    if (!entity) continue;
    AppendBytes(Out, run, static_cast<size_t>(p - run));
    Out.append(entity);
    run = p + 1;
  }
  AppendBytes(Out, run, static_cast<size_t>(end - run));
}

template <class Bytes>
void FragmentInto(Bytes& Out, std::string_view Text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  for (const char c : Text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
        b == '_' || b == '~' || b == ':') {
      Out.push_back(c);
    } else {
      const char escaped[3] = {'%', Hex[b >> 4], Hex[b & 15]};
      AppendBytes(Out, escaped, 3);
    }
  }
}

} // namespace

void AppendHtml(QByteArray& Out, std::string_view Text) { EscapeInto(Out, Text); }
void AppendHtml(std::string& Out, std::string_view Text) { EscapeInto(Out, Text); }
void AppendFragment(QByteArray& Out, std::string_view Text) { FragmentInto(Out, Text); }
void AppendFragment(std::string& Out, std::string_view Text) { FragmentInto(Out, Text); }

THtmlPage::THtmlPage(const QString& Path) : path(Path) {
  try {
    file = std::make_unique<ui::TWholeFile>(Path);
  } catch (const ui::Exception& e) {
    throw EFCreateError(e.Message());
  }
  buffer.reserve(FlushSize + 16 * 1024);
}

THtmlPage::~THtmlPage() = default;

void THtmlPage::WritePageHead(const char* Title) {
  WriteLine(0, "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
  WriteLine(0, "<html>");
  WriteLine(1, "<head>");
  WriteLine(2, CharsetMeta);
  WriteLine(2, "<title>", Title, "</title>");
  WriteLine(2, "<LINK href=\"images/IEStyle.css\" REL=\"stylesheet\" TYPE=\"text/css\">");
  WriteLine(1, "</head>");
  WriteLine(1, "<body>");
}

void THtmlPage::WritePageTail() {
  WriteLine(1, "</body>");
  WriteLine(0, "</html>");
}

void THtmlPage::Flush() {
  if (!file) return;
  try {
    file->Write(QByteArrayView(buffer.data(), static_cast<qsizetype>(buffer.size())));
  } catch (const ui::Exception& e) {
    file.reset();
    throw EFCreateError(e.Message());
  }
  buffer.clear(); // keeps the capacity
}

void THtmlPage::Close() {
  if (!file) return;
  Flush();
  try {
    file->Commit();
  } catch (const ui::Exception& e) {
    file.reset();
    throw EFCreateError(e.Message());
  }
  file.reset();
}
