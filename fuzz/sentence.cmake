varo_fuzz_target(fuzz_sentence sentence)
# Instrument the codec itself so that the fuzzer sees its coverage.
target_compile_options(sentence PRIVATE -fsanitize=fuzzer-no-link)
