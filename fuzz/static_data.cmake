# The static-data readout is plain C++: its source is compiled into the target
# so that the fuzz build needs no Qt.
varo_fuzz_target(fuzz_static_data StaticDataFuzz.cpp)
target_sources(fuzz_static_data PRIVATE ${PROJECT_SOURCE_DIR}/ui/ProductInfo.cpp)
target_include_directories(fuzz_static_data PRIVATE ${PROJECT_SOURCE_DIR}/ui)
