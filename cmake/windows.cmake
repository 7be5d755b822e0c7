# Settings of the cross build for 64-bit Windows.

# Everything static: the .scr must need nothing but Windows' own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)

include(cmake/glfw.cmake)

# GoogleTest for Windows, built from the source Debian's googletest package ships.
set(VELTRANE_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest source folder")
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELTRANE_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)

# Everything the Windows tests need from the environment (display, Wine
# prefix, wineserver) is prepared by tools/test.sh before ctest runs.
include(GoogleTest)
function(veltrane_windows_test target)
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                       PROPERTIES TIMEOUT 120 LABELS windows)
endfunction()
