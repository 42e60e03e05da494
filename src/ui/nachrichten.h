// The core's texts in the player's language.
#pragma once

#include <string>

#include <QString>

#include "rahmen/nachricht.h"

// The message's pattern as translated under the context "Kern" (German: the
// pattern itself, so the text is the core's deutsch() byte for byte), its
// values put in as the core puts them.
QString nachrichtText(const Nachricht& nachricht);

// A text the core made (a caption, a label, a line of the outlook, a remark
// of the statement, a step's name), line by line in the player's language:
// a word of the core as translated; a text made from one of the core's
// patterns (rahmen/kerntexte.h) with its values read back out of the
// pattern's gaps, each of them looked up again; a number in the language's
// format; anything else as it is. German shows the text unchanged.
QString kernText(const std::string& text);
QString kernText(const QString& text);

// A number as the core writes it ("1234", "-0,50", "12,5"; the decimal
// separator a comma or a point) in the player's language's format: "1,234",
// "-0.50", "12.5" in English. Anything else: an empty string.
QString zahlText(const QString& zahl);
