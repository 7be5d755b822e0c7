// The shader texts as stored: GLSL 110, CR LF line ends, one end marker on the last line.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string readFile(const std::string& name) {
  std::ifstream file(std::string(VELTRANE_SHADER_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(ShaderText, FormatOfBothStages) {
  for (const char* name : {"smoke.vert", "smoke.frag"}) {
    SCOPED_TRACE(name);
    const std::string text = readFile(name);
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.rfind("#version 110\r\n", 0), 0u);
    // The reader stops at the first tilde: it must be the last line's.
    EXPECT_EQ(text.find('~'), text.size() - 3);
    ASSERT_GE(text.size(), 7u);
    EXPECT_EQ(text.substr(text.size() - 7), "\r\n//~\r\n");
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\n') ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at " << i;
      if (text[i] == '\r') ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n');
    }
  }
}

// The host feeds these names; a misspelt one would silently get location -1.
TEST(ShaderText, DeclaresTheHostInterface) {
  const std::string vertex = readFile("smoke.vert");
  const std::string fragment = readFile("smoke.frag");
  for (const char* declaration :
       {"attribute vec4 position;", "attribute vec2 position_tex;",
        "attribute vec3 position_normal;", "varying vec2 fs_tex;", "uniform mat4 model_world;",
        "uniform mat4 world_projection;", "uniform mat4 model_projection;"}) {
    EXPECT_NE(vertex.find(declaration), std::string::npos) << declaration;
  }
  for (const char* declaration : {"varying vec2 fs_tex;", "uniform float iTime;",
                                  "uniform float viewportWidth;", "uniform float viewportHeight;"}) {
    EXPECT_NE(fragment.find(declaration), std::string::npos) << declaration;
  }
}

}  // namespace
