#pragma once

#include <string>

namespace e2e {

// Merges resource lines such as "Xft.dpi: 144" into the X server's resource
// database for as long as the object lives, then puts back what was there.
// Programs read the database when they connect, so start them afterwards.
class ResourceDatabaseOverride {
public:
  explicit ResourceDatabaseOverride(const std::string& resources);
  ~ResourceDatabaseOverride();
  ResourceDatabaseOverride(const ResourceDatabaseOverride&) = delete;
  ResourceDatabaseOverride& operator=(const ResourceDatabaseOverride&) = delete;

private:
  std::string previous_;
};

}  // namespace e2e
