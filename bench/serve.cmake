# varo-nmea gateway serve under the simulated gateway's flood, with 0 and 4 clients.
if(TARGET varo-nmea)
  varo_benchmark(bench_serve ServeBench.cpp sim)
  target_compile_definitions(bench_serve PRIVATE VARO_NMEA_PATH="$<TARGET_FILE:varo-nmea>")
  add_dependencies(bench_serve varo-nmea)
endif()
