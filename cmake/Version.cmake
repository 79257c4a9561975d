# The program version comes from project(): one header both programs print with --version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/QuillmereVersion.h.in ${CMAKE_BINARY_DIR}/generated/QuillmereVersion.h @ONLY)
add_library(quillmere_version INTERFACE)
target_include_directories(quillmere_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
