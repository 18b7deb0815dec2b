# The layers' arrows point one way: host/ includes nothing of the other layers, idler/
# only host/, ui/ only idler/ and host/, and nothing in host/, idler/ or ui/ includes the
# library; the stand-in host uses only host/.
#   cmake -DSOURCE_DIR=<repo>/src -P check_layers.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_host host)
set(allowed_idler host idler)
set(allowed_ui host idler ui)
set(allowed_standin host standin)
set(layers host idler library ui standin app)

set(faults "")
foreach(layer host idler ui standin)
  file(GLOB_RECURSE sources ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"[a-z_]+/")
    foreach(include IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z_]+)/.*" "\\1" included_layer "${include}")
      if(included_layer IN_LIST layers AND NOT included_layer IN_LIST allowed_${layer})
        file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
        string(APPEND faults "\n  ${name}: ${include}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes against the layers' direction:${faults}")
endif()
