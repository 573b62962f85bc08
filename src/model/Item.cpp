#include "model/Item.h"

#include "model/Text.h"

namespace tarnwick {

ItemKind KindOf(std::string_view programFile) {
  if (programFile.empty()) return ItemKind::FakeEmpty;
  if (programFile == "Empty") return ItemKind::FreeCellMarker;
  const std::string lower = FoldCase(programFile);
  if (lower == "separator") return ItemKind::Separator;
  if (lower == "exit") return ItemKind::Exit;
  if (lower == "send") return ItemKind::WindowMessage;
  return ItemKind::Program;
}

}  // namespace tarnwick
