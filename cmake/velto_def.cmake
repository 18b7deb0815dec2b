# velto.dll's module-definition file, made from velto.h so that a routine is declared in
# one place: every function velto.h declares is exported under its own name. The 32-bit
# names carry their __stdcall argument bytes, 4 for every argument (each is a pointer, a
# handle or an int); --kill-at then exports them undecorated. The 64-bit build has no
# decoration.
function(velto_def_from_header header output decorated)
  file(READ ${header} text)
  # Comments may quote a call: only the declarations count.
  string(REGEX REPLACE "/\\*[^*]*\\*+([^/*][^*]*\\*+)*/" "" text "${text}")
  string(REGEX MATCHALL "VELTO_CALL velto_[A-Za-z0-9_]+\\([^)]*\\)" declarations "${text}")
  set(lines "; The exports of velto.dll, made from velto.h.\nLIBRARY velto.dll\nEXPORTS\n")
  foreach(declaration IN LISTS declarations)
    string(REGEX REPLACE "^VELTO_CALL (velto_[A-Za-z0-9_]+)\\(.*$" "\\1" name "${declaration}")
    string(REGEX REPLACE "^[^(]*\\(([^)]*)\\)$" "\\1" parameters "${declaration}")
    string(STRIP "${parameters}" parameters)
    set(bytes 0)
    if(NOT parameters STREQUAL "void")
      string(REGEX REPLACE "[^,]" "" commas "${parameters}")
      string(LENGTH "${commas}" count)
      math(EXPR bytes "4 * (${count} + 1)")
    endif()
    if(decorated)
      string(APPEND lines "  ${name}@${bytes}\n")
    else()
      string(APPEND lines "  ${name}\n")
    endif()
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT "${lines}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
endfunction()
