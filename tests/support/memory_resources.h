// In-memory TEXTFILE resources for native tests and fuzzers: the lookup seam
// answers from a table of id-to-bytes that the test fills.
#pragma once

#include <cstdint>
#include <string>

// Stores bytes under id (replacing any earlier text with that id).
void setTextResource(std::uint16_t id, const std::string& bytes);

// Makes id a missing resource again.
void removeTextResource(std::uint16_t id);

void clearTextResources();
