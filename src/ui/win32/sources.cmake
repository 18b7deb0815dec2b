# The Win32 toolkit: the three windows as real borderless windows.
target_sources(velto_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/win32_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_dpi.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_form_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/win32_toolkit.cpp)
target_link_libraries(velto_ui PUBLIC user32 gdi32 comctl32)
