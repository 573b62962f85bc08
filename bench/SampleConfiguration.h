#pragma once

#include <string>

#include "app/Session.h"
#include "fakes/QuietItemServices.h"
#include "model/ItemTable.h"
#include "model/MenuList.h"
#include "model/Settings.h"
#include "platform/AnsiCodePage.h"
#include "platform/Icons.h"

namespace tarnwick::bench {

// The bytes of a Tarnwick.ini holding itemCount items spread over several menus, as the
// program saves it: programs, documents, folders, addresses and separators with realistic
// paths, parameters, icons, colours and some hotkeys. Equal arguments give equal bytes.
std::string SampleConfigurationBytes(int itemCount, const AnsiCodePage& ansi);

// Everything a start-up loads from a configuration file, held by the program's own session.
// Icon extraction and hotkey registration cost nothing here, so the figures are the
// configuration layer's alone.
class LoadedConfiguration {
 public:
  explicit LoadedConfiguration(const AnsiCodePage& ansi);
  LoadedConfiguration(const LoadedConfiguration&) = delete;
  LoadedConfiguration& operator=(const LoadedConfiguration&) = delete;

 private:
  fakes::QuietPlatform m_quiet;
  fakes::AcceptingHotkeys m_hotkeys;

 public:
  Session session;
  Settings& settings = session.Options();
  MenuList& menus = session.Menus();
  ItemTable& table = session.Table();
};

// What the program does at start with the file's bytes (the session's load after the read).
void LoadConfiguration(const std::string& bytes, LoadedConfiguration& loaded);

// What a save does before the bytes go to the disk.
std::string SaveConfiguration(const LoadedConfiguration& loaded);

}  // namespace tarnwick::bench
