# The receive line assembly is plain C++: its source is compiled into the
# target so that the fuzz build needs no Qt.
varo_fuzz_target(fuzz_line_assembly LineAssemblyFuzz.cpp)
target_sources(fuzz_line_assembly PRIVATE ${PROJECT_SOURCE_DIR}/link/LineAssembler.cpp)
target_include_directories(fuzz_line_assembly PRIVATE ${PROJECT_SOURCE_DIR}/link)
