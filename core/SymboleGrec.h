#pragma once

#include <string>
#include <string_view>

namespace tavelor {

// Text written in the Symbol character set (Adobe Symbol encoding), as Unicode.
// The labels use Latin letters for Greek ones ("F" capital phi, "w" small omega);
// the ASCII signs that the set draws differently ("-" minus, "*" asterisk operator,
// "~" tilde operator...) are translated too. Everything else, digits, spaces, brackets
// and any non-ASCII character, is kept as it is. Input and output are UTF-8.
std::string SymboleGrec(std::string_view texte);

} // namespace tavelor
