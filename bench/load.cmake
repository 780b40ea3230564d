# The window under sustained load from the simulated gateway; it needs Qt.
if(TARGET app)
  varo_benchmark(bench_load LoadBench.cpp ui app link sim)
endif()
