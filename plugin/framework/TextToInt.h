// Reading a parameter value text as a number.
#pragma once

namespace Morvik {

// Skips leading white space, takes one optional sign, then the decimal digits up to the
// first other character; 0 for NULL or a text without digits. Saturates at the int range.
int TextToInt(const char* Text);

} // namespace Morvik
