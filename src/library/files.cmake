# The library's file, settings and sound routines, and the file services under them.
target_sources(velto_library PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/control_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_attributes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ini_settings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sounds.cpp)

# The substitute is portable C++17, so the Windows build carries it too: the contract
# tests hold it to the real profile functions there.
set(velto_host_dir ${CMAKE_CURRENT_LIST_DIR}/../host)
target_sources(velto_host PRIVATE
  ${velto_host_dir}/posix_file_services.cpp
  ${velto_host_dir}/profile_text.cpp
  ${velto_host_dir}/sequential_text.cpp)
if(WIN32)
  target_sources(velto_host PRIVATE ${velto_host_dir}/win32_file_services.cpp)
  target_link_libraries(velto_host PUBLIC winmm)
endif()
