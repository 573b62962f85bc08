#pragma once

#include <string>
#include <string_view>

#include "model/Item.h"
#include "platform/Shell.h"

namespace tarnwick {

// What the program around a launch must do after it.
enum class AfterLaunch {
  Nothing,
  EndApplication,     // an exit item: nothing may touch a window after this
  DisableActivation,  // the item asks for activation to go off after it ran
};

// Opens an item: a program, document, folder or address through the shell, or a window
// message sent to the named window (or to previousForeground, the window the user worked in
// when the menu appeared). Separators open nothing.
class Launcher {
 public:
  explicit Launcher(Shell& shell) : m_shell(shell) {}
  // popupsDisabled: activation is off already, so the item's "disable after run" is moot.
  AfterLaunch Launch(const Item& item, WindowId previousForeground, bool popupsDisabled);

 private:
  Shell& m_shell;
};

// Field n (from 0) of a ";"-separated text; "0" when the text has too few fields.
std::string FieldOf(std::string_view text, int n);

// The shell's show command for an item's window mode: minimised, normal or maximised;
// any other stored value opens normally.
int ShowCommandOf(int windowMode);

}  // namespace tarnwick
