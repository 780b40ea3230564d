varo_fuzz_target(fuzz_ais AisFuzz.cpp ais)
