// TEXTFILE resources read through the lookup seam, so the same code serves the
// executable and the native tests.
#include "render/text_resource.h"

#include <cstring>

#include "render/resource_lookup.h"

bool TextResource::copyToMarker(std::uint16_t id, char* buffer, std::size_t capacity) {
  const ResourceBytes resource = findTextResource(id);
  const std::size_t available = resource.found ? resource.size : 0;

  std::size_t copied = 0;
  bool markerFound = false;
  while (copied < available && copied < capacity) {
    const char byte = resource.data[copied];
    if (byte == endMarker) {
      markerFound = true;
      break;
    }
    buffer[copied] = byte;
    ++copied;
  }
  // A marker right after a full buffer still counts: nothing was cut off.
  if (!markerFound && copied == capacity && copied < available &&
      resource.data[copied] == endMarker) {
    markerFound = true;
  }
  std::memset(buffer + copied, 0, terminatorSize);
  return markerFound;
}

std::string TextResource::readAll(std::uint16_t id) {
  const ResourceBytes resource = findTextResource(id);
  if (!resource.found || resource.data == nullptr) return std::string();
  return std::string(resource.data, resource.size);
}
