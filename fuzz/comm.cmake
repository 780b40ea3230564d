varo_fuzz_target(fuzz_ini IniFuzz.cpp platform)
