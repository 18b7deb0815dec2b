# `cpack` in a Windows build folder makes a zip with the programs, velto.dll and a short read-me.
if(NOT WIN32)
  return()
endif()

foreach(program velto-idler standin-host velto-run)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION . COMPONENT programs)
  endif()
endforeach()
# velto.dll beside the programs, with what a caller of another language or compiler needs:
# the header, the .def it was linked with, and import libraries for Visual C++ and mingw.
install(TARGETS velto_dll RUNTIME DESTINATION . COMPONENT programs
                          ARCHIVE DESTINATION . COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/src/dll/velto.h ${VELTO_DLL_DEF} ${VELTO_MSVC_LIB}
        DESTINATION . COMPONENT programs)
install(FILES ${PROJECT_SOURCE_DIR}/docs/package-readme.txt DESTINATION . RENAME README.txt
        COMPONENT programs)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(velto_platform win64)
else()
  set(velto_platform win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME velto-idler)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME velto-idler-${PROJECT_VERSION}-${velto_platform})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# The zip holds the programs and velto.dll; the static libraries and headers are the package Velto.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};programs;/")
set(CPACK_STRIP_FILES ON)  # the debug information stays in the build folder
include(CPack)
