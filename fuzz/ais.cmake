varo_fuzz_target(fuzz_ais ais)
