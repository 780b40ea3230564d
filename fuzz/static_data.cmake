# The static-data readout lives in the configuration library, which needs no Qt.
varo_fuzz_target(fuzz_static_data StaticDataFuzz.cpp config)
