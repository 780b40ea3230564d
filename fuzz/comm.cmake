varo_fuzz_target(fuzz_ini platform)
