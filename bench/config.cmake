varo_benchmark(bench_compose config sentence)
