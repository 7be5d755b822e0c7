// The resource lookup seam over an in-memory table.
#include "tests/support/memory_resources.h"

#include <map>

#include "render/resource_lookup.h"

namespace {

std::map<std::uint16_t, std::string>& table() {
  static std::map<std::uint16_t, std::string> resources;
  return resources;
}

}  // namespace

void setTextResource(std::uint16_t id, const std::string& bytes) { table()[id] = bytes; }

void removeTextResource(std::uint16_t id) { table().erase(id); }

void clearTextResources() { table().clear(); }

ResourceBytes findTextResource(std::uint16_t id) {
  ResourceBytes bytes;
  const auto found = table().find(id);
  if (found == table().end()) return bytes;
  bytes.data = found->second.data();
  bytes.size = found->second.size();
  bytes.found = true;
  return bytes;
}
