# Whole-command decode benchmark: make_stream writes a mixed stream with the
# simulated gateway's writers, and bench_decode_vs_peer times varo-nmea decode
# (quiet and JSON) and the public peer gpsdecode on it.
add_executable(make_stream MakeStream.cpp)
target_link_libraries(make_stream PRIVATE sim sentence)

set(VARO_MAKE_STREAM "$<TARGET_FILE:make_stream>")
set(VARO_NMEA "$<TARGET_FILE:varo-nmea>")
set(VARO_STREAM_FILE "${CMAKE_CURRENT_BINARY_DIR}/decode_stream.nmea")
configure_file(bench_decode_vs_peer.sh.in decode_vs_peer.sh.genex @ONLY)
file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/bench_decode_vs_peer
     INPUT ${CMAKE_CURRENT_BINARY_DIR}/decode_vs_peer.sh.genex
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)
add_custom_target(decode_vs_peer ALL DEPENDS make_stream varo-nmea)
