# The toolkits' text boxes, list boxes and combo boxes for the library's file routines.
target_sources(velto_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/headless_list_controls.cpp)
if(WIN32)
  target_sources(velto_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/win32/win32_list_controls.cpp)
  target_link_libraries(velto_ui PUBLIC user32)
endif()
