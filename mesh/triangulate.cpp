// Ear clipping of one OBJ face into triangles, on the corners' positions.
#include <cstddef>

#include "mesh/mesh_reader.h"

namespace wavefront {

namespace {

constexpr double degreesPerRadian = 57.29577951307855;

// Appends, in ascending corner order, every corner that sits at one of the
// given positions; a corner matching several of them is appended once per match.
void appendMatches(const std::vector<Vertex>& corners, const Vector3& first,
                   const Vector3& second, const Vector3& third,
                   std::vector<std::uint32_t>& indices) {
  for (std::size_t j = 0; j < corners.size(); ++j) {
    const Vector3& position = corners[j].position;
    const auto index = static_cast<std::uint32_t>(j);
    if (position == first) indices.push_back(index);
    if (position == second) indices.push_back(index);
    if (position == third) indices.push_back(index);
  }
}

// The first remaining corner at position; a position that equals nothing,
// not even itself (NaN), falls back to the corner at fallback, so every ear
// removes a corner and the clipping always ends.
std::size_t firstAtPosition(const std::vector<Vertex>& remaining, const Vector3& position,
                            std::size_t fallback) {
  for (std::size_t k = 0; k < remaining.size(); ++k) {
    if (remaining[k].position == position) return k;
  }
  return fallback;
}

bool isEar(const std::vector<Vertex>& corners, const Vector3& previous,
           const Vector3& current, const Vector3& next) {
  const double angle =
      static_cast<double>(angleBetween(next - current, previous - current)) * degreesPerRadian;
  // A straight or folded-back corner is no ear. Written so a NaN angle passes
  // on to the containment test, as the comparisons below are false for it.
  if (angle <= 0.0 || angle >= 180.0) return false;
  for (const Vertex& corner : corners) {
    const Vector3& p = corner.position;
    if (p != previous && p != current && p != next &&
        pointInTriangle(p, previous, current, next)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<std::uint32_t> MeshResourceReader::triangulatePolygon(
    const std::vector<Vertex>& corners) const {
  std::vector<std::uint32_t> indices;
  if (corners.size() < 3) return indices;
  if (corners.size() == 3) return {0, 1, 2};

  std::vector<Vertex> remaining = corners;
  bool foundEar = true;
  // A pass clips ears until a whole sweep finds none; the next pass would
  // sweep the same corners again, so the loop ends there.
  while (foundEar && !remaining.empty()) {
    foundEar = false;
    for (std::size_t i = 0; i < remaining.size(); ++i) {
      const Vector3 current = remaining[i].position;
      const Vector3 previous = remaining[i == 0 ? remaining.size() - 1 : i - 1].position;
      const Vector3 next = remaining[i + 1 == remaining.size() ? 0 : i + 1].position;

      if (remaining.size() == 4) {
        // The last four corners become two triangles without any test.
        appendMatches(corners, current, previous, next, indices);
        Vector3 fourth;
        for (const Vertex& corner : remaining) {
          if (corner.position != current && corner.position != previous &&
              corner.position != next) {
            fourth = corner.position;
            break;
          }
        }
        appendMatches(corners, previous, next, fourth, indices);
        remaining.clear();
        foundEar = true;
        break;
      }

      if (!isEar(corners, previous, current, next)) continue;

      appendMatches(corners, current, previous, next, indices);
      const std::size_t removed = firstAtPosition(remaining, current, i);
      remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(removed));
      foundEar = true;
      i = static_cast<std::size_t>(-1);  // restart the sweep at the first corner
    }
  }
  return indices;
}

}  // namespace wavefront
