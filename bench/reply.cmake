# Time from Apply to the gateway's confirmed answer, through the window; it needs Qt.
if(TARGET app)
  varo_benchmark(bench_reply ReplyBench.cpp ui app link sim)
endif()
