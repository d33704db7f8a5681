#pragma once
// The error page of a property dialog: the text it shows for a finding of the model check.

#include <QString>

namespace Morvik {
class TCheckRecord;
}

// "Přesná lokace:" with the finding's path, then "Popis chyby:" with its message, each value
// on its own line after a tab; empty without a finding.
QString CheckFindingText(const Morvik::TCheckRecord* Record);
