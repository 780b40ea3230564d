# Reading and applying a whole profile through the headless client; no Qt.
varo_benchmark(bench_profile ProfileBench.cpp gateway sim)
