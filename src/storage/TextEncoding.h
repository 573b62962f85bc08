#pragma once

#include <string>
#include <string_view>

#include "platform/AnsiCodePage.h"

namespace tarnwick {

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view bytes);

// File bytes to UTF-8 text. A UTF-8 byte-order mark is dropped and what follows is UTF-8,
// broken sequences there becoming U+FFFD (the mark says what the writer meant). A UTF-16
// byte-order mark (either order) selects UTF-16, as the profile functions accept it. Bytes
// without a mark are UTF-8 when valid as such, else text in the ANSI code page.
std::string DecodeTextFile(std::string_view bytes, const AnsiCodePage& ansi);

// UTF-8 text to file bytes: the ANSI code page when every character fits it (older tools
// keep reading the file) and those bytes decode back to the same text, else UTF-8 with a
// byte-order mark. Pure ASCII text therefore stays plain.
std::string EncodeTextFile(std::string_view utf8, const AnsiCodePage& ansi);

}  // namespace tarnwick
