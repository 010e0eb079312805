# drovik_layer(<name> SOURCES <file>... [DEPENDS <layer>...] [LIBS <target>...])
#
# Builds the folder src/<name> (the folder of the CMakeLists.txt calling it)
# as the static library drovik_<name>. Code includes program headers as
# "<folder>/<File>.h". While a layer compiles, the include path holds its own
# folder and the folders of the layers it depends on, directly or through
# them, and nothing else: each layer's include folder under the build holds a
# single link named after the layer. An include of a folder the layer does
# not depend on, such as a window folder above it, fails to build.
function(drovik_layer name)
  cmake_parse_arguments(L "" "" "SOURCES;DEPENDS;LIBS" ${ARGN})
  set(include_dir ${CMAKE_BINARY_DIR}/layer-include/${name})
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${include_dir}/${name} SYMBOLIC)
  add_library(drovik_${name} STATIC ${L_SOURCES})
  target_include_directories(drovik_${name} PUBLIC ${include_dir})
  list(TRANSFORM L_DEPENDS PREPEND drovik_)
  target_link_libraries(drovik_${name} PUBLIC ${L_DEPENDS} ${L_LIBS})
endfunction()
