#include "storage/ConfigurationFile.h"

#include <optional>
#include <utility>

#include "storage/Configuration.h"

namespace tarnwick {

namespace {

bool IsDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "<process>.<counter>.tmp": the name a temporary file of ours has after "Tarnwick.ini.".
bool IsTempSuffix(std::string_view suffix) {
  if (!suffix.ends_with(".tmp")) return false;
  suffix.remove_suffix(4);
  const size_t dot = suffix.find('.');
  return dot != std::string_view::npos && IsDigits(suffix.substr(0, dot)) && IsDigits(suffix.substr(dot + 1));
}

// What follows the prefix in a listed path; empty for a path no longer than the prefix.
std::string_view SuffixAfter(std::string_view path, std::string_view prefix) {
  return path.size() > prefix.size() ? path.substr(prefix.size()) : std::string_view();
}

}  // namespace

ConfigurationFile::ConfigurationFile(FileSystem& files, std::string path)
    : m_files(files), m_path(std::move(path)) {}

std::string ConfigurationFile::Read() {
  std::optional<std::string> bytes = m_files.ReadWhole(m_path);
  if (bytes && !bytes->empty()) return std::move(*bytes);
  // A file that is there but cannot be read (another program holds it) is not replaced.
  if (!bytes && m_files.FileExists(m_path)) return {};

  // Only a save writes temporary files, and it replaces the file with one as soon as it is
  // complete: a complete one beside a missing file is the last save, cut off at that moment.
  const std::string prefix = m_path + ".";
  std::optional<FileSystem::FileInfo> newest;
  std::string newestBytes;
  for (FileSystem::FileInfo& candidate : m_files.FilesStartingWith(prefix)) {
    if (!IsTempSuffix(SuffixAfter(candidate.path, prefix))) continue;
    if (newest && candidate.modified <= newest->modified) continue;
    std::optional<std::string> contents = m_files.ReadWhole(candidate.path);
    if (!contents || !IsCompleteConfiguration(*contents)) continue;
    newest = std::move(candidate);
    newestBytes = std::move(*contents);
  }
  if (!newest) return {};
  // If it cannot take the file's place, it is still what is loaded, and the next save
  // writes the file.
  m_files.Replace(newest->path, m_path);
  return newestBytes;
}

WriteResult ConfigurationFile::Save(std::string_view bytes) {
  const std::optional<std::string> previous = m_files.ReadWhole(m_path);
  if (!previous && m_files.FileExists(m_path)) return WriteResult::Failed(m_path, m_files.LastError());

  if (!previous || *previous != bytes) {
    if (previous && !previous->empty() && !m_backupIsOnlyCopy) {
      // Without a backup the previous file would be gone, so a backup that fails stops the save.
      if (WriteResult kept = WriteFileAtomically(m_files, BackupPath(), *previous); !kept) return kept;
      m_backupIsOnlyCopy = m_unusableLoaded;
    }
    if (WriteResult written = WriteFileAtomically(m_files, m_path, bytes); !written) return written;
  }
  RemoveLeftovers();
  return {};
}

void ConfigurationFile::RemoveLeftovers() {
  const std::string prefix = m_path + ".";
  for (const FileSystem::FileInfo& file : m_files.FilesStartingWith(prefix)) {
    std::string_view suffix = SuffixAfter(file.path, prefix);
    if (suffix.starts_with("bak.")) suffix.remove_prefix(4);
    if (IsTempSuffix(suffix)) m_files.Remove(file.path);
  }
}

}  // namespace tarnwick
