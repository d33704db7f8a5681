#pragma once
// Texts from the plug-in interface: zero-terminated UTF-8 that belongs to the plug-in object
// and is copied into the program at once; a null text reads as empty.

#include <QString>

inline QString FromPlugin(const char* Text) { return Text ? QString::fromUtf8(Text) : QString(); }
