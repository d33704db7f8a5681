// The growing text that a parameter object's Generate fills and returns.
#pragma once

#include <string>

namespace Morvik {

class TTextBuffer {
public:
    void Clear() { text.clear(); }
    // Appends Text (nothing for NULL); returns the buffer so that calls chain.
    TTextBuffer& Append(const char* Text)
    {
        if (Text)
            text.append(Text);
        return *this;
    }
    TTextBuffer& Append(const std::string& Text)
    {
        text.append(Text);
        return *this;
    }
    // Valid until the next change of the buffer.
    const char* GetText() const { return text.c_str(); }

private:
    std::string text;
};

}  // namespace Morvik
