# Native build: the asset generator and its outputs, the unit tests under the
# sanitizers, the headless render tool and the soak, and (bench and fuzz
# presets) the benchmarks or the fuzz targets.

add_subdirectory(res)
add_subdirectory(tools/assetgen)
add_subdirectory(src/host/posix)
add_subdirectory(tests/fake)

set(HARBORGAST_ASSET_DIR ${CMAKE_BINARY_DIR}/assets)
add_custom_command(
  OUTPUT ${HARBORGAST_ASSET_DIR}/stamp
  COMMAND assetgen --out ${HARBORGAST_ASSET_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${HARBORGAST_ASSET_DIR}/stamp
  DEPENDS assetgen
  COMMENT "Generating pictures, sounds and tunes")
add_custom_target(assets ALL DEPENDS ${HARBORGAST_ASSET_DIR}/stamp)

if(HARBORGAST_BENCH)
  add_subdirectory(bench)
elseif(HARBORGAST_FUZZ)
  add_subdirectory(fuzz)
else()
  add_subdirectory(tests/unit)
  add_subdirectory(tools/render)
  if(HARBORGAST_SANITIZE)
    add_subdirectory(tests/soak)
  endif()
  add_subdirectory(src/host/linux)
  add_subdirectory(bench/linux)
endif()

# `make play` and `make play-windows` without a display end at once and say
# how to render instead.
foreach(play_target play play-windows)
  add_test(NAME ${play_target}.without_display
           COMMAND env -u DISPLAY make -s -C ${CMAKE_SOURCE_DIR} ${play_target})
  set_tests_properties(${play_target}.without_display PROPERTIES
    PASS_REGULAR_EXPRESSION "^play: no X display[^\n]*harborgast-render --out[^\n]*\n$"
    FAIL_REGULAR_EXPRESSION "Building|cmake")
endforeach()

# The rooms of the portable core include one way (docs/ARCHITECTURE.md).
add_test(NAME layers.includes COMMAND ${CMAKE_SOURCE_DIR}/tests/layers/check-includes ${CMAKE_SOURCE_DIR}/src)
