# Keeps the layers of src/ honest. Run by CTest with
#   -DSRC_DIR=<src> -DLAYERS=<a|b|...> -DCORE_SOURCES=<file|file|...>
# 1. A file may include headers of its own folder or of a folder listed before
#    its own in LAYERS, never of a folder after it.
# 2. A file of noktaris_core (and the header beside it) may include only headers
#    of noktaris_core: the core knows no window.
string(REPLACE "|" ";" layers "${LAYERS}")
string(REPLACE "|" ";" core_sources "${CORE_SOURCES}")

set(core_headers "")
foreach(source IN LISTS core_sources)
  file(RELATIVE_PATH relative ${SRC_DIR} ${source})
  string(REGEX REPLACE "\\.cpp$" ".h" header "${relative}")
  list(APPEND core_headers "${header}")
endforeach()

set(faults "")
file(GLOB_RECURSE files RELATIVE ${SRC_DIR} ${SRC_DIR}/*.h ${SRC_DIR}/*.cpp)
foreach(file IN LISTS files)
  get_filename_component(folder ${file} DIRECTORY)
  list(FIND layers "${folder}" own)
  string(REGEX REPLACE "\\.(h|cpp)$" ".h" own_header "${file}")
  list(FIND core_headers "${own_header}" in_core)
  file(STRINGS ${SRC_DIR}/${file} includes REGEX "^#include \"[a-z_]+/[a-z_0-9]+\\.h\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"(([a-z_]+)/[a-z_0-9]+\\.h)\".*" "\\1" header "${line}")
    string(REGEX REPLACE "/.*" "" included_folder "${header}")
    list(FIND layers "${included_folder}" theirs)
    if(own GREATER_EQUAL 0 AND theirs GREATER own)
      list(APPEND faults "${file}: includes ${header} from a later layer")
    endif()
    list(FIND core_headers "${header}" header_in_core)
    if(in_core GREATER_EQUAL 0 AND header_in_core LESS 0)
      list(APPEND faults "${file}: belongs to noktaris_core but includes ${header} of noktaris_ui")
    endif()
  endforeach()
endforeach()

if(faults)
  list(JOIN faults "\n" report)
  message(FATAL_ERROR "Layering faults:\n${report}")
endif()
list(LENGTH files count)
message(STATUS "Layering: ${count} files checked")
