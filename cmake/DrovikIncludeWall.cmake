# cmake -DFOLDER=<folder> -DSTAMP=<file> -P DrovikIncludeWall.cmake
#
# The include wall of one layer: no header or source of the folder may name
# an include through "..". The include path of a layer holds only the
# folders it may use, but a quoted include is looked up first beside the
# file itself, so "../main/frmVeldom01.h" would reach any folder of src/.
# Fails, naming every such include, or touches STAMP.
file(GLOB files ${FOLDER}/*.h ${FOLDER}/*.cpp)
set(climbing "")
foreach(file ${files})
  file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\.")
  foreach(line ${lines})
    get_filename_component(shown ${file} NAME)
    string(STRIP "${line}" line)
    list(APPEND climbing "${shown}: ${line}")
  endforeach()
endforeach()
if(climbing)
  list(JOIN climbing "\n  " shown)
  message(FATAL_ERROR "An include may not climb out of its folder with \"..\"; "
                      "name the folder instead (\"shared/Ini.h\"):\n  ${shown}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
