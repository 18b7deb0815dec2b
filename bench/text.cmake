# The text tools against their straightforward versions in naive_text_tools.h, and
# ReplaceText against boost's ireplace_all. Boost is needed by this benchmark only.
find_package(Boost CONFIG QUIET COMPONENTS headers)
if(NOT Boost_FOUND)
  message(STATUS "text_bench left out: it needs the boost headers (libboost-dev)")
  return()
endif()
velto_add_benchmark(text_bench ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp
                    ${CMAKE_CURRENT_LIST_DIR}/bench_texts.cpp LIBS velto_library Boost::headers)
