# The value list's texts: byte formatting only, so the library builds in every preset.
add_library(value_format STATIC ${CMAKE_CURRENT_LIST_DIR}/ValueFormat.cpp)
target_include_directories(value_format PUBLIC ${CMAKE_SOURCE_DIR})
