# The data view needs the window, so it is measured only in builds with Qt.
if(TARGET ui)
  varo_benchmark(bench_dataview DataViewBench.cpp ui app)
endif()
