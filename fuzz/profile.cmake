varo_fuzz_target(fuzz_profile ProfileFuzz.cpp gateway)
