varo_benchmark(bench_ais ais)
