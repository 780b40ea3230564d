varo_benchmark(bench_compose ComposeBench.cpp config sentence)
