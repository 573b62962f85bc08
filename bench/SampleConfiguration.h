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

// What the sample's items ask of the system when they are loaded.
enum class SampleExtras {
  // Icons from files and a hotkey on every twentieth item, as a user's file has them.
  IconsAndHotkeys,
  // Every item shows image 1 of the list and has no hotkey, so that a start-up of the real
  // program extracts no icon and registers no hotkey: what is left is the program's own cost.
  None,
};

// The bytes of a Tarnwick.ini (version 2.0) holding itemCount items spread over several menus,
// as the program saves it: programs, documents, folders, addresses and separators with
// realistic paths (none of which exists), parameters, colours and unique names. Equal
// arguments give equal bytes.
std::string SampleConfigurationBytes(int itemCount, const AnsiCodePage& ansi,
                                     SampleExtras extras = SampleExtras::IconsAndHotkeys);

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
