# standin-host.exe: the stand-in host's model over real Win32 windows.

add_library(velto_standin_win32 STATIC
  ${PROJECT_SOURCE_DIR}/src/standin/win32_host_classes.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_host_controls.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_host_layout.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_host_windows.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_low_memory.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_misbehaviour_orders.cpp
  ${PROJECT_SOURCE_DIR}/src/standin/win32_transcript_view.cpp)
target_link_libraries(velto_standin_win32 PUBLIC velto_standin user32 gdi32)

add_executable(standin-host WIN32 ${CMAKE_CURRENT_LIST_DIR}/win32_standin_host_main.cpp
                                  ${CMAKE_CURRENT_LIST_DIR}/standin_host.rc)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/standin_host.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/standin_host.ico)
target_link_libraries(standin-host PRIVATE velto_standin_win32 shell32)
