# velto-idler.exe: the three windows, the idler and the host routines in one static program.

# The version resource and the manifest take the project's version.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/velto_version.h CONTENT
"#pragma once
#define VELTO_VERSION_MAJOR @PROJECT_VERSION_MAJOR@
#define VELTO_VERSION_MINOR @PROJECT_VERSION_MINOR@
#define VELTO_VERSION_PATCH @PROJECT_VERSION_PATCH@
#define VELTO_VERSION_STRING \"@PROJECT_VERSION@\"
" @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/velto_idler.manifest.in
               ${CMAKE_CURRENT_BINARY_DIR}/velto_idler.manifest @ONLY)

add_executable(velto-idler WIN32
  ${CMAKE_CURRENT_LIST_DIR}/win32_velto_idler_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/velto_idler.rc)
# windres finds the version header and the manifest on its include path.
target_include_directories(velto-idler PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/velto_idler.rc PROPERTIES
  OBJECT_DEPENDS "${CMAKE_CURRENT_BINARY_DIR}/velto_version.h;${CMAKE_CURRENT_BINARY_DIR}/velto_idler.manifest;${CMAKE_CURRENT_LIST_DIR}/velto_idler.ico")
target_link_libraries(velto-idler PRIVATE velto_ui)
