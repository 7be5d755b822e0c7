// Finds a TEXTFILE resource in the running executable with the Win32 resource calls.
#include "render/resource_lookup.h"

#include <windows.h>

ResourceBytes findTextResource(std::uint16_t id) {
  ResourceBytes bytes;
  HRSRC info = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXTFILE");
  if (info == nullptr) return bytes;
  HGLOBAL loaded = LoadResource(nullptr, info);
  if (loaded == nullptr) return bytes;
  const DWORD size = SizeofResource(nullptr, info);
  // Locked resource memory is read-only and lives as long as the process.
  const void* data = LockResource(loaded);
  if (data == nullptr) return bytes;
  bytes.data = static_cast<const char*>(data);
  bytes.size = size;
  bytes.found = true;
  return bytes;
}
