# The text tools against their straightforward versions in naive_text_tools.h.
velto_add_benchmark(text_bench ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp LIBS velto_library)
