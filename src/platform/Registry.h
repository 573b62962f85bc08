#pragma once

#include <string>

namespace tarnwick {

// The current user's list of programs started at log-on.
class RunList {
 public:
  RunList() = default;
  RunList(const RunList&) = delete;
  RunList& operator=(const RunList&) = delete;
  virtual ~RunList() = default;

  // Writes (or replaces) the entry; false when the list is missing or refuses the write.
  virtual bool Set(const std::string& name, const std::string& command) = 0;
  // Removes the entry; an entry that is not there is no error.
  virtual void Remove(const std::string& name) = 0;
};

}  // namespace tarnwick
