# Most of velto.dll's exports are written from their declarations in velto.h when the
# build is configured (src/dll/make_exports.py), so that a routine's C shape is written
# once; `hand_written` are the exports files whose functions it leaves alone.
find_package(Python3 COMPONENTS Interpreter REQUIRED)

function(velto_add_exports target kind)
  set(script ${PROJECT_SOURCE_DIR}/src/dll/make_exports.py)
  set(header ${PROJECT_SOURCE_DIR}/src/dll/velto.h)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/exports)
  list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE hand_written)
  set(native)
  if(kind STREQUAL "NATIVE")
    set(native --native)
  endif()
  execute_process(COMMAND ${Python3_EXECUTABLE} ${script} ${native} ${header} ${output} ${hand_written}
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_exports.py could not write the exports from velto.h")
  endif()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${script} ${header} ${hand_written})
  file(GLOB written ${output}/velto_*_exports.cpp)
  target_sources(${target} PRIVATE ${written})
endfunction()
