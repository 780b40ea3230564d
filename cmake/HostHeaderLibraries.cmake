# The header-only libraries of a cross build come from the build machine's
# packages. Only their own folders go on the include path, through links in
# the build folder: /usr/include itself would put the host's C library in
# front of the target's.
set(VARO_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${VARO_HOST_HEADERS})
foreach(folder nlohmann CLI)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run make deps")
  endif()
  file(CREATE_LINK /usr/include/${folder} ${VARO_HOST_HEADERS}/${folder} SYMBOLIC)
endforeach()
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${VARO_HOST_HEADERS})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${VARO_HOST_HEADERS})
