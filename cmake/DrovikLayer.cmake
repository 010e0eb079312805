# drovik_layer(<name> SOURCES <file>... [DEPENDS <layer>...] [LIBS <target>...])
#
# Builds the folder src/<name> (the folder of the CMakeLists.txt calling it)
# as the static library drovik_<name>. Code includes program headers as
# "<folder>/<File>.h". While a layer compiles, the include path holds its own
# folder and the folders of the layers it depends on, directly or through
# them, and nothing else: each layer's include folder under the build holds a
# single link named after the layer. An include of a folder the layer does
# not depend on, such as a window folder above it, fails to build, and so
# does an include that climbs out of the folder with ".." (checked by
# DrovikIncludeWall.cmake before the layer compiles).
set(DROVIK_INCLUDE_WALL ${CMAKE_CURRENT_LIST_DIR}/DrovikIncludeWall.cmake)
function(drovik_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPENDS;LIBS" ${ARGN})
  set(include_dir ${CMAKE_BINARY_DIR}/layer-include/${name})
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_dir}/${name} SYMBOLIC)
  add_library(drovik_${name} STATIC ${L_SOURCES})
  file(GLOB walled CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/include-wall.stamp)
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${CMAKE_CURRENT_SOURCE_DIR} -DSTAMP=${stamp} -P ${DROVIK_INCLUDE_WALL}
    DEPENDS ${walled} ${DROVIK_INCLUDE_WALL}
    COMMENT "Include wall of ${name}"
    VERBATIM)
  add_custom_target(drovik_${name}_wall DEPENDS ${stamp})
  add_dependencies(drovik_${name} drovik_${name}_wall)
  target_include_directories(drovik_${name} PUBLIC ${include_dir})
  list(TRANSFORM L_DEPENDS PREPEND drovik_)
  target_link_libraries(drovik_${name} PUBLIC ${L_DEPENDS} ${L_LIBS})
endfunction()
