varo_benchmark(bench_ais AisBench.cpp ais)
