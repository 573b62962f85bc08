#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Font.h"
#include "model/Geometry.h"

namespace tarnwick {

// Modal boxes of the program.
class Dialogs {
 public:
  Dialogs() = default;
  Dialogs(const Dialogs&) = delete;
  Dialogs& operator=(const Dialogs&) = delete;
  virtual ~Dialogs() = default;

  // The standard error display: a modal box with the application title and an error icon.
  virtual void ShowError(const std::string& message) = 0;
  // For an error nobody is there to answer, as when the session ends: a box would hold up
  // the log-off. Goes to the debugger output.
  virtual void LogError(const std::string& message) = 0;
  // A modal question with OK and Cancel and the warning icon; true only for OK.
  virtual bool Confirm(const std::string& caption, const std::string& text) = 0;
  // A modal message with an OK button only and the warning icon.
  virtual void Warn(const std::string& caption, const std::string& text) = 0;
  // The file-open dialog for one existing file of any kind, shortcut files given as themselves,
  // preset to a path (empty: none); nullopt when cancelled.
  virtual std::optional<std::string> ChooseFile(const std::string& initial) = 0;
  // The file-open dialog for any number of existing files, shortcut files given as themselves
  // (not followed), in the dialog's order; empty when cancelled.
  virtual std::vector<std::string> ChooseFiles() = 0;
  // The system colour chooser, preset to a colour; nullopt when cancelled.
  virtual std::optional<Color> PickColor(Color initial) = 0;
  // The system font chooser, preset to a font: face, point size, bold and italic; nullopt
  // when cancelled.
  virtual std::optional<FontSpec> PickFont(const FontSpec& initial) = 0;
  // The file-open dialog for one existing settings file (*.ini), preset to a path; nullopt
  // when cancelled.
  virtual std::optional<std::string> ChooseSettingsFile(const std::string& initial) = 0;
  // The file-open dialog for a menu file to import: one existing *.ini file in an existing
  // folder; nullopt when cancelled.
  virtual std::optional<std::string> ChooseMenuFileToImport() = 0;
  // The file-save dialog for a menu file to export, its name preset to proposedName with ".ini";
  // ".ini" is added to a name typed without an extension, and replacing a file is confirmed
  // first. nullopt when cancelled.
  virtual std::optional<std::string> ChooseExportFile(const std::string& proposedName) = 0;
};

}  // namespace tarnwick
