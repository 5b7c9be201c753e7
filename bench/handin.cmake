# corvanth-bench-handin [files] [MB]: packs and verifies a generated tree with
# the stand-in archiver through the hand-in, next to bsdtar writing the same
# format from the same tree; prints the ratio and the peak memory.
add_executable(corvanth-bench-handin ${CMAKE_CURRENT_LIST_DIR}/handin.cpp)
target_link_libraries(corvanth-bench-handin PRIVATE corvanth_common)
target_compile_options(corvanth-bench-handin PRIVATE ${CORVANTH_WARNINGS})
add_dependencies(corvanth-bench-handin standin-Rar)
