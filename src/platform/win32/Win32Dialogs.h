#pragma once

#include <windows.h>

#include "platform/Dialogs.h"

namespace tarnwick {

class Win32Dialogs final : public Dialogs {
 public:
  void ShowError(const std::string& message) override;
  void LogError(const std::string& message) override;
  bool Confirm(const std::string& caption, const std::string& text) override;
  std::vector<std::string> ChooseFiles() override;
  std::optional<Color> PickColor(Color initial) override;
  std::optional<FontSpec> PickFont(const FontSpec& initial) override;
  std::optional<std::string> ChooseSettingsFile(const std::string& initial) override;
  std::optional<std::string> ChooseMenuFileToImport() override;
  std::optional<std::string> ChooseExportFile(const std::string& proposedName) override;
  void Warn(const std::string& caption, const std::string& text) override;
  std::optional<std::string> ChooseFile(const std::string& initial) override;

 private:
  // The colour chooser's sixteen custom colours, kept for the run.
  COLORREF m_customColors[16] = {};
};

}  // namespace tarnwick
