#include "docgen/HtmlPage.h"

void AppendHtml(QByteArray& Out, std::string_view Text) {
  size_t start = 0;
  for (size_t i = 0; i < Text.size(); ++i) {
    const char* entity = nullptr;
    switch (Text[i]) {
      case '&': entity = "&amp;"; break;
      case '<': entity = "&lt;"; break;
      case '>': entity = "&gt;"; break;
      case '"': entity = "&quot;"; break;
      default: continue;
    }
    Out.append(Text.data() + start, static_cast<qsizetype>(i - start));
    Out.append(entity);
    start = i + 1;
  }
  Out.append(Text.data() + start, static_cast<qsizetype>(Text.size() - start));
}

void AppendFragment(QByteArray& Out, std::string_view Text) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  for (const char c : Text) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') || b == '-' || b == '.' ||
        b == '_' || b == '~' || b == ':') {
      Out.append(c);
    } else {
      Out.append('%');
      Out.append(Hex[b >> 4]);
      Out.append(Hex[b & 15]);
    }
  }
}

THtmlPage::THtmlPage(const QString& Path) : path(Path), file(Path) {
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(Path, file.errorString()));
  buffer.reserve(FlushSize + 4096);
}

THtmlPage::~THtmlPage() {
  if (!file.isOpen()) return;
  file.write(buffer);
  file.close();
}

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
  if (file.write(buffer) != buffer.size())
    throw EFCreateError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
  buffer.clear();
}

void THtmlPage::Close() {
  if (!file.isOpen()) return;
  Flush();
  file.close();
  if (file.error() != QFileDevice::NoError)
    throw EFCreateError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}
