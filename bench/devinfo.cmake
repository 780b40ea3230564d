# The device information parser runs on every received line.
if(TARGET ui)
  varo_benchmark(bench_devinfo DeviceInfoBench.cpp ui app)
endif()
