# The libraries as the CMake package Velto: targets Velto::host, Velto::library and Velto::dll,
# the function velto_ship_for_xp() on Windows, and
# the public headers under a velto/ include root (#include <velto/library/text_tools.h>).
#
# Inside this repository the sources include each other as "host/..." and
# "library/<family>/...". The public headers are copied into <build>/include/velto/ with
# those includes rewritten to "velto/host/..." and "velto/library/...", so the installed headers need only the
# prefix's include folder on the path and never collide with a consumer's own "host/".

include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

# What a consumer includes: every header of src/host and of the library's families except
# those under an internal/ folder, and the Win32 ones only in the Windows build. They are
# installed without the family folders: library/text/text_tools.h is velto/library/text_tools.h.
file(GLOB velto_public_headers RELATIVE ${PROJECT_SOURCE_DIR}/src CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/src/host/*.h ${PROJECT_SOURCE_DIR}/src/library/*/*.h)
if(NOT WIN32)
  list(FILTER velto_public_headers EXCLUDE REGEX "/win32_[^/]*\\.h$")
endif()

# Where a header is installed, under the include root: velto/host/... or velto/library/...
function(velto_installed_header_path header out)
  string(REGEX REPLACE "^library/[a-z_]+/" "library/" flat "${header}")
  set(${out} "velto/${flat}" PARENT_SCOPE)
endfunction()

set(velto_include_root ${PROJECT_BINARY_DIR}/include)
# A header that moved or became internal leaves no stale copy behind for a consumer to find.
set(velto_installed_headers)
foreach(header IN LISTS velto_public_headers)
  velto_installed_header_path(${header} installed)
  list(APPEND velto_installed_headers ${velto_include_root}/${installed})
endforeach()
file(GLOB_RECURSE velto_generated_headers ${velto_include_root}/velto/*.h)
foreach(generated IN LISTS velto_generated_headers)
  if(NOT generated IN_LIST velto_installed_headers)
    file(REMOVE ${generated})
  endif()
endforeach()

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
  string(REGEX REPLACE "#include \"library/[a-z_]+/" "#include \"velto/library/" text "${text}")
  string(REGEX REPLACE "#include \"host/" "#include \"velto/host/" text "${text}")
  velto_installed_header_path(${header} installed)
  file(CONFIGURE OUTPUT ${velto_include_root}/${installed} CONTENT "${text}" @ONLY)
endforeach()

target_include_directories(velto_host PUBLIC $<BUILD_INTERFACE:${velto_include_root}>
                                             $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
set_target_properties(velto_host PROPERTIES EXPORT_NAME host)
set_target_properties(velto_library PROPERTIES EXPORT_NAME library)
add_library(Velto::host ALIAS velto_host)
add_library(Velto::library ALIAS velto_library)
add_library(Velto::dll ALIAS velto_dll)

if(NOT VELTO_INSTALL)
  return()
endif()

install(TARGETS velto_host velto_library EXPORT VeltoTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
# Velto::dll: velto.dll (libvelto.so natively) and velto.h, for a C program; velto.lib
# beside mingw's import library for Visual C++.
install(TARGETS velto_dll EXPORT VeltoTargets
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT development
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development)
install(FILES ${PROJECT_SOURCE_DIR}/src/dll/velto.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
        COMPONENT development)
if(WIN32)
  install(FILES ${VELTO_MSVC_LIB} ${VELTO_DLL_DEF} DESTINATION ${CMAKE_INSTALL_LIBDIR}
          COMPONENT development)
  # velto_ship_for_xp() for a consumer's programs, with the source it adds.
  install(FILES ${PROJECT_SOURCE_DIR}/cmake/velto_xp.cmake ${velto_xp_tick_count_source}
          DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Velto COMPONENT development)
endif()
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
