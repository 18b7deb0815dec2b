# The stand-in host's menus, people, person windows and conversations, which the
# library's host operations drive; and their windows on the substitute desktop.
set(velto_standin_dir ${CMAKE_CURRENT_LIST_DIR})
target_sources(velto_standin PRIVATE
  ${velto_standin_dir}/standin_conversations.cpp
  ${velto_standin_dir}/standin_menus.cpp
  ${velto_standin_dir}/standin_people.cpp
  ${velto_standin_dir}/substitute_host_controls.cpp)
