# The receive line assembly lives in the gateway library, which needs no Qt.
varo_fuzz_target(fuzz_line_assembly LineAssemblyFuzz.cpp gateway)
