#pragma once

#include <string>

namespace tarnwick {

struct FontSpec {
  std::string Face = "MS Sans Serif";
  int Size = 8;  // points
  bool Bold = false;
  bool Italic = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

}  // namespace tarnwick
