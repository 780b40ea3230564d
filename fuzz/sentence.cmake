varo_fuzz_target(fuzz_sentence SentenceFuzz.cpp sentence)
