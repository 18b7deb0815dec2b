# What a Windows program built with mingw-w64 needs to load on Windows XP SP3 (x86) and
# XP x64 (5.2): the tick-count replacement (the threading runtime of a static link
# otherwise imports GetTickCount64, Vista's), and the oldest subsystem version those
# systems accept. Used by this repository's programs and DLL, and by consumers of the
# installed package:  velto_ship_for_xp(my-program)
if(NOT DEFINED velto_xp_tick_count_source)
  set(velto_xp_tick_count_source ${CMAKE_CURRENT_LIST_DIR}/win32_xp_tick_count.cpp)
endif()
set(velto_xp_tick_count_source ${velto_xp_tick_count_source} CACHE INTERNAL
    "What a shipped program links to load on Windows XP")

function(velto_ship_for_xp program)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(minor 2)
  else()
    set(minor 1)
  endif()
  target_sources(${program} PRIVATE ${velto_xp_tick_count_source})
  target_link_options(${program} PRIVATE
    -Wl,--major-subsystem-version,5,--minor-subsystem-version,${minor}
    -Wl,--major-os-version,5,--minor-os-version,${minor})
endfunction()
