// The growing text that a parameter object's Generate fills and returns.
#pragma once

#include <cstddef>
#include <string>

namespace Morvik {

class TTextBuffer {
public:
  void Clear() { text.clear(); }
  // Appends Text (nothing for NULL); returns the buffer so that calls chain.
  TTextBuffer& Append(const char* Text) {
    if (Text) text.append(Text);
    return *this;
  }
  TTextBuffer& Append(const std::string& Text) {
    text.append(Text);
    return *this;
  }
  // Appends Length characters of Text.
  TTextBuffer& Append(const char* Text, std::size_t Length) {
    text.append(Text, Length);
    return *this;
  }
  TTextBuffer& Append(char C) {
    text.push_back(C);
    return *this;
  }
  // Valid until the next change of the buffer.
  const char* GetText() const { return text.c_str(); }

private:
  std::string text;
};

} // namespace Morvik
