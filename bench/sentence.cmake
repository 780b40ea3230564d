varo_benchmark(bench_sentence SentenceBench.cpp sentence)
