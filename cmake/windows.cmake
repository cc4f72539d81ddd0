# Windows build: the saver itself and the tests that run it under Wine.
include(ExternalProject)
enable_language(RC)

# The asset generator runs on the build machine, so it is built natively in
# a project of its own, with the host compiler.
ExternalProject_Add(assetgen_host
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/assetgen
  BINARY_DIR ${CMAKE_BINARY_DIR}/assetgen-host
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
             -DCMAKE_C_COMPILER=gcc -DCMAKE_CXX_COMPILER=g++
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${CMAKE_BINARY_DIR}/assetgen-host/assetgen)

set(HARBORGAST_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
add_custom_command(
  OUTPUT ${HARBORGAST_ASSET_DIR}/stamp
  COMMAND ${CMAKE_BINARY_DIR}/assetgen-host/assetgen --out ${HARBORGAST_ASSET_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${HARBORGAST_ASSET_DIR}/stamp
  DEPENDS assetgen_host ${CMAKE_BINARY_DIR}/assetgen-host/assetgen
  COMMENT "Generating pictures, sounds and tunes")
add_custom_target(assets ALL DEPENDS ${HARBORGAST_ASSET_DIR}/stamp)

# The version header and the manifest, with the project's version filled in.
set(HARBORGAST_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(HARBORGAST_DESCRIPTION "Harborgast Screen Saver")
set(HARBORGAST_VERSION_FOUR ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0)
configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${HARBORGAST_GENERATED_DIR}/version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/harborgast.manifest.in ${HARBORGAST_GENERATED_DIR}/harborgast.manifest
               @ONLY)

# The Win32 code is compiled once, for the saver and for the Win32 tests.
set(HARBORGAST_WIN32_LIBS winmm gdi32 user32 advapi32 shell32)
add_library(harborgast_win32 OBJECT ${HARBORGAST_WIN32_SOURCES})
target_include_directories(harborgast_win32 PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res/catalogue
                           ${HARBORGAST_GENERATED_DIR})
target_compile_options(harborgast_win32 PRIVATE -Wall -Wextra)

# The saver, and a twin linked from the same objects a second or more later:
# with no link time stamped into the file, the same commit gives the same
# bytes, and the test saver.reproducible compares the two.
foreach(saver SSHarborgast SSHarborgast_twin)
  add_executable(${saver} WIN32 $<TARGET_OBJECTS:harborgast_win32>
                 ${CMAKE_SOURCE_DIR}/res/harborgast.rc)
  set_target_properties(${saver} PROPERTIES SUFFIX ".scr")
  target_include_directories(${saver} PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/res/catalogue
                             ${HARBORGAST_ASSET_DIR} ${HARBORGAST_GENERATED_DIR})
  target_link_libraries(${saver} PRIVATE harborgast_core ${HARBORGAST_WIN32_LIBS})
  target_link_options(${saver} PRIVATE -Wl,--no-insert-timestamp)
  add_dependencies(${saver} assets)
endforeach()
# The same file name, in a folder of its own: the export table names the file.
set_target_properties(SSHarborgast_twin PROPERTIES OUTPUT_NAME SSHarborgast
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/twin)
add_dependencies(SSHarborgast_twin SSHarborgast)
add_custom_command(TARGET SSHarborgast_twin PRE_LINK COMMAND sleep 1)
add_test(NAME saver.reproducible COMMAND ${CMAKE_COMMAND} -E compare_files
         $<TARGET_FILE:SSHarborgast> $<TARGET_FILE:SSHarborgast_twin>)

add_subdirectory(tests/wine)

# The resource script embeds the generated files, so it is compiled again
# whenever they are made anew. A source property belongs to a directory, so
# tests/wine, whose test program embeds the script too, is named as well
# (after it is added).
set(HARBORGAST_RC_DEPENDS
    "${HARBORGAST_ASSET_DIR}/stamp;${HARBORGAST_GENERATED_DIR}/version.h;${HARBORGAST_GENERATED_DIR}/harborgast.manifest")
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/harborgast.rc
  DIRECTORY ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests/wine
  PROPERTIES OBJECT_DEPENDS "${HARBORGAST_RC_DEPENDS}")
add_subdirectory(bench/wine)
add_subdirectory(tests/soak/wine)
