// Mesh records of the OBJ and MTL readers, and the vector and geometry
// functions they use for face normals and triangulation.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wavefront {

struct Vector2 {
  float x = 0.0f;
  float y = 0.0f;

  Vector2() = default;
  Vector2(float x, float y) : x(x), y(y) {}
};

struct Vector3 {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;

  Vector3() = default;
  Vector3(float x, float y, float z) : x(x), y(y), z(z) {}

  Vector3 operator+(const Vector3& other) const { return {x + other.x, y + other.y, z + other.z}; }
  Vector3 operator-(const Vector3& other) const { return {x - other.x, y - other.y, z - other.z}; }
  // Exact comparison: positions are matched without tolerance, -0 equals +0
  // and a NaN component never compares equal.
  bool operator==(const Vector3& other) const {
    return x == other.x && y == other.y && z == other.z;
  }
  bool operator!=(const Vector3& other) const {
    return x != other.x || y != other.y || z != other.z;
  }
};

inline Vector3 operator*(float scale, const Vector3& v) {
  return {scale * v.x, scale * v.y, scale * v.z};
}

struct Vertex {
  Vector3 position;
  Vector3 normal;
  Vector2 texcoord;
};

struct Material {
  std::string name;
  Vector3 ambient;
  Vector3 diffuse;
  Vector3 specular;
  float specularExponent = 0.0f;
  float opticalDensity = 0.0f;
  float dissolve = 0.0f;
  std::int32_t illumination = 0;
  // Texture file names, kept as text only.
  std::string ambientMap;
  std::string diffuseMap;
  std::string specularMap;
  std::string specularExponentMap;
  std::string dissolveMap;
  std::string bumpMap;
};

struct Mesh {
  std::string name;
  std::vector<Vertex> vertices;  // one per face corner, never shared between faces
  std::vector<std::uint32_t> indices;  // triangles into vertices
  Material material;

  Mesh() = default;
  Mesh(const std::vector<Vertex>& vertices, const std::vector<std::uint32_t>& indices)
      : vertices(vertices), indices(indices) {}
};

Vector3 crossProduct(Vector3 a, Vector3 b);
float dotProduct(Vector3 a, Vector3 b);
float vectorLength(Vector3 a);
// Radians; NaN when either vector has zero length.
float angleBetween(Vector3 a, Vector3 b);
// Barycentric test with closed bounds; a point off the triangle's plane is
// judged by its projection, and a degenerate triangle contains nothing.
bool pointInTriangle(Vector3 p, Vector3 t1, Vector3 t2, Vector3 t3);

}  // namespace wavefront
