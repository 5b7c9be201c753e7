# corvanth-bench-mock [FOLDER [ROUNDS [tiny|1|4]...]]: mock paper generation per
# level against rm -rf + cp -r of the same files, in turns; on a display
# (with-display.sh).
add_executable(corvanth-bench-mock ${CMAKE_CURRENT_LIST_DIR}/mock.cpp)
target_link_libraries(corvanth-bench-mock PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-mock PRIVATE ${CORVANTH_WARNINGS})
