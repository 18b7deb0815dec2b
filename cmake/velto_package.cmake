# The libraries as the CMake package Velto: targets Velto::host and Velto::library, and
# the public headers under a velto/ include root (#include <velto/library/text_tools.h>).
#
# Inside this repository the sources include each other as "host/..." and "library/...".
# The public headers are copied into <build>/include/velto/ with those includes rewritten
# to "velto/host/..." and "velto/library/...", so the installed headers need only the
# prefix's include folder on the path and never collide with a consumer's own "host/".

include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

# What a consumer includes. The rest of src/host and src/library is internal.
set(velto_public_headers
  host/file_services.h
  host/host_routines.h
  host/host_text.h
  host/messages.h
  host/platform.h
  host/posix_file_services.h
  host/substitute_desktop.h
  host/timings.h
  host/utf8.h
  host/wait.h
  host/win32_file_services.h
  host/win32_platform.h
  host/window_handle.h
  host/window_search.h
  library/account_windows.h
  library/chat_people.h
  library/controls.h
  library/filed_mail.h
  library/files_and_settings.h
  library/form_control.h
  library/host_lookups.h
  library/host_menus.h
  library/instant_messages.h
  library/library_timings.h
  library/list_items.h
  library/mail_errors.h
  library/mail_timings.h
  library/mail_windows.h
  library/mailbox.h
  library/people_memory.h
  library/primitives.h
  library/text_art.h
  library/text_tools.h)
if(WIN32)
  list(APPEND velto_public_headers library/win32_form_control.h)
endif()

set(velto_include_root ${PROJECT_BINARY_DIR}/include)
foreach(header IN LISTS velto_public_headers)
  set(source ${PROJECT_SOURCE_DIR}/src/${header})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} text)
  # A public header may include only other public headers.
  string(REGEX MATCHALL "#include \"(host|library)/[^\"]+\"" includes "${text}")
  foreach(include IN LISTS includes)
    string(REGEX REPLACE "#include \"([^\"]+)\"" "\\1" included "${include}")
    if(NOT included IN_LIST velto_public_headers)
      message(FATAL_ERROR "The public header ${header} includes the internal ${included}")
    endif()
  endforeach()
  string(REGEX REPLACE "#include \"(host|library)/" "#include \"velto/\\1/" text "${text}")
  file(CONFIGURE OUTPUT ${velto_include_root}/velto/${header} CONTENT "${text}" @ONLY)
endforeach()

target_include_directories(velto_host PUBLIC $<BUILD_INTERFACE:${velto_include_root}>
                                             $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(velto_host PROPERTIES EXPORT_NAME host)
set_target_properties(velto_library PROPERTIES EXPORT_NAME library)
add_library(Velto::host ALIAS velto_host)
add_library(Velto::library ALIAS velto_library)

if(NOT VELTO_INSTALL)
  return()
endif()

install(TARGETS velto_host velto_library EXPORT VeltoTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
install(DIRECTORY ${velto_include_root}/velto DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT development)
set(velto_config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Velto)
install(EXPORT VeltoTargets NAMESPACE Velto:: DESTINATION ${velto_config_dir}
        COMPONENT development)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VeltoConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/VeltoConfig.cmake
                              INSTALL_DESTINATION ${velto_config_dir})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/VeltoConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/VeltoConfig.cmake ${PROJECT_BINARY_DIR}/VeltoConfigVersion.cmake
        DESTINATION ${velto_config_dir} COMPONENT development)
