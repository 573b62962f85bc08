#pragma once

#include <string>

#include "platform/Dialogs.h"
#include "platform/Window.h"

namespace tarnwick {

// An error display that shows nothing and dialogs that are cancelled, so a test never blocks on
// a box. Tests and benchmarks that want the errors override the first two.
class NoDialogs : public Dialogs {
 public:
  void ShowError(const std::string&) override {}
  void LogError(const std::string&) override {}
  bool Confirm(const std::string&, const std::string&) override { return false; }
  std::vector<std::string> ChooseFiles() override { return {}; }
  std::optional<Color> PickColor(Color) override { return std::nullopt; }
  std::optional<FontSpec> PickFont(const FontSpec&) override { return std::nullopt; }
  std::optional<std::string> ChooseSettingsFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> ChooseMenuFileToImport() override { return std::nullopt; }
  std::optional<std::string> ChooseExportFile(const std::string&) override { return std::nullopt; }
  void Warn(const std::string& caption, const std::string& text) override { ShowError(caption + ": " + text); }
  std::optional<std::string> ChooseFile(const std::string&) override { return std::nullopt; }
};

// A form that ignores every event.
class NoEvents final : public WindowEvents {
 public:
  void FormPaint(Canvas&) override {}
};

}  // namespace tarnwick
