# GLFW 3.3.8, built from source with the same toolchain and linked statically.
#
# By default the source is Debian's glfw3 source package (downloaded by
# tools/setup.sh into build-deps/), unpacked into the build tree and patched
# there. Someone building elsewhere can point VELTRANE_GLFW_SOURCE_DIR at an unpacked
# GLFW 3.3.8 tree instead; our patches are applied to a copy of it.
set(VELTRANE_GLFW_ARCHIVE "${PROJECT_SOURCE_DIR}/build-deps/glfw3_3.3.8.orig.tar.gz"
    CACHE FILEPATH "GLFW 3.3.8 source archive")
set(VELTRANE_GLFW_SOURCE_DIR "" CACHE PATH "An unpacked GLFW 3.3.8 source tree (overrides the archive)")

set(glfw_root "${CMAKE_BINARY_DIR}/_deps/glfw-src")
set(glfw_tree "${glfw_root}/glfw-3.3.8")
file(GLOB glfw_patches "${PROJECT_SOURCE_DIR}/app/window_adoption/*.patch")
list(SORT glfw_patches)

# Re-unpack whenever the source or a patch changes.
set(glfw_inputs "${VELTRANE_GLFW_SOURCE_DIR};${VELTRANE_GLFW_ARCHIVE}")
foreach(p IN LISTS glfw_patches)
  file(SHA256 "${p}" h)
  string(APPEND glfw_inputs ";${h}")
endforeach()
string(SHA256 glfw_stamp_value "${glfw_inputs}")
set(glfw_stamp "${glfw_root}/.stamp")
if(EXISTS "${glfw_stamp}")
  file(READ "${glfw_stamp}" glfw_old_stamp)
else()
  set(glfw_old_stamp "")
endif()

if(NOT glfw_old_stamp STREQUAL glfw_stamp_value)
  file(REMOVE_RECURSE "${glfw_root}")
  file(MAKE_DIRECTORY "${glfw_root}")
  if(VELTRANE_GLFW_SOURCE_DIR)
    file(COPY "${VELTRANE_GLFW_SOURCE_DIR}/" DESTINATION "${glfw_tree}")
  else()
    if(NOT EXISTS "${VELTRANE_GLFW_ARCHIVE}")
      message(FATAL_ERROR "GLFW source not found at ${VELTRANE_GLFW_ARCHIVE}: "
                          "run tools/setup.sh or set VELTRANE_GLFW_SOURCE_DIR")
    endif()
    file(ARCHIVE_EXTRACT INPUT "${VELTRANE_GLFW_ARCHIVE}" DESTINATION "${glfw_root}")
  endif()
  find_program(PATCH_EXECUTABLE patch)
  find_program(GIT_EXECUTABLE git)
  foreach(p IN LISTS glfw_patches)
    if(PATCH_EXECUTABLE)
      execute_process(COMMAND "${PATCH_EXECUTABLE}" -p1 --forward --batch -i "${p}"
                      WORKING_DIRECTORY "${glfw_tree}" RESULT_VARIABLE rc OUTPUT_QUIET)
    else()
      execute_process(COMMAND "${GIT_EXECUTABLE}" apply "${p}"
                      WORKING_DIRECTORY "${glfw_tree}" RESULT_VARIABLE rc)
    endif()
    if(NOT rc EQUAL 0)
      message(FATAL_ERROR "Could not apply ${p} to GLFW")
    endif()
  endforeach()
  file(WRITE "${glfw_stamp}" "${glfw_stamp_value}")
endif()

set(GLFW_BUILD_EXAMPLES OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_TESTS OFF CACHE BOOL "" FORCE)
set(GLFW_BUILD_DOCS OFF CACHE BOOL "" FORCE)
set(GLFW_INSTALL OFF CACHE BOOL "" FORCE)
set(BUILD_SHARED_LIBS OFF CACHE BOOL "" FORCE)
add_subdirectory("${glfw_tree}" "${CMAKE_BINARY_DIR}/_deps/glfw-build" EXCLUDE_FROM_ALL)

# The window adoption lives beside the app but is compiled into GLFW itself,
# where it can reach the library's internal window record.
set(glfw_adoption_source "${PROJECT_SOURCE_DIR}/app/window_adoption/window_adoption.c")
if(EXISTS "${glfw_adoption_source}")
  target_sources(glfw PRIVATE "${glfw_adoption_source}")
endif()
target_include_directories(glfw PUBLIC "${PROJECT_SOURCE_DIR}/app/window_adoption")
