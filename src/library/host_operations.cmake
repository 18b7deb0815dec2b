# The library's host operations: the window and input primitives, the host's menus, the
# chat room and its people, and instant messages.
target_sources(velto_library PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/chat_people.cpp
  ${CMAKE_CURRENT_LIST_DIR}/chat_rooms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_lookups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_menus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ignoring_case.cpp
  ${CMAKE_CURRENT_LIST_DIR}/instant_messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/people_memory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/primitives.cpp
  ${CMAKE_CURRENT_LIST_DIR}/slides.cpp)

# What the stand-in host model offers these routines: menus, the people list, the person
# window and the conversation windows.
include(${CMAKE_CURRENT_LIST_DIR}/../standin/library_support.cmake)
