# Settings of the native build: platform-free code under the sanitizers.
option(VELTRANE_SANITIZE "Build native code with AddressSanitizer and UBSan" ON)
if(VELTRANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer -g)
  add_link_options(-fsanitize=address,undefined)
endif()
add_compile_options(-Wall -Wextra)

find_package(GTest REQUIRED)
include(GoogleTest)
function(veltrane_native_test target)
  gtest_discover_tests(${target} PROPERTIES TIMEOUT 120 LABELS native)
endfunction()

# libFuzzer needs clang; the fuzz targets are skipped with any other compiler.
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(VELTRANE_FUZZ ON)
else()
  set(VELTRANE_FUZZ OFF)
endif()
