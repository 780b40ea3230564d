# The bounded line reader of every text input lives in the platform library.
varo_fuzz_target(fuzz_line_reader LineReaderFuzz.cpp platform)
