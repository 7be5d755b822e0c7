// Reading the executable's TEXTFILE resources: shader texts up to their end
// marker, mesh and material texts whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class TextResource {
 public:
  // The byte that ends a text meant for copyToMarker.
  static constexpr char endMarker = '~';
  // Zero bytes written after a marker-terminated copy.
  static constexpr std::size_t terminatorSize = 4;

  // Copies the resource's bytes up to (not including) the first end marker
  // into buffer and writes four zero bytes after them. buffer must hold
  // capacity + 4 bytes. The copy also stops at the resource's end and after
  // capacity bytes; only a copy that reached the marker returns true, so a
  // missing resource or one without a marker within capacity returns false.
  static bool copyToMarker(std::uint16_t id, char* buffer, std::size_t capacity);

  // The resource's bytes, exactly its size (zero bytes and markers included);
  // empty when the resource is missing.
  static std::string readAll(std::uint16_t id);
};
