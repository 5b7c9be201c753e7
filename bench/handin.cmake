# corvanth-bench-handin [files] [MB] [rounds]: the whole hand-in (check,
# gathering copy, packing, full verification, submission file, delete) of a
# generated tree, alternating with the same work done by cp, bsdtar and
# rm -rf; prints the paired ratios, the peak memory and whether the aims hold.
add_executable(corvanth-bench-handin ${CMAKE_CURRENT_LIST_DIR}/handin.cpp)
target_link_libraries(corvanth-bench-handin PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-handin PRIVATE ${CORVANTH_WARNINGS})
add_dependencies(corvanth-bench-handin standin-Rar)
