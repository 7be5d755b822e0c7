// The one seam between the readers and the executable's resources: finding a
// TEXTFILE resource's bytes by id. The product links the Win32 version
// (resource_lookup_win32.cpp); native tests link an in-memory table.
#pragma once

#include <cstddef>
#include <cstdint>

struct ResourceBytes {
  const char* data = nullptr;  // read-only, valid for the life of the process
  std::size_t size = 0;
  bool found = false;          // false when the resource is missing or cannot be loaded
};

ResourceBytes findTextResource(std::uint16_t id);
