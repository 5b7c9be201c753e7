# corvanth-bench-exam [FOLDER [ROUNDS [tiny|300]...]]: exam start on a clean PC
# against cp -r of the same files, in turns; on a display (with-display.sh).
add_executable(corvanth-bench-exam ${CMAKE_CURRENT_LIST_DIR}/exam.cpp)
target_link_libraries(corvanth-bench-exam PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-exam PRIVATE ${CORVANTH_WARNINGS})
