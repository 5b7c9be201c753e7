# corvanth-bench-exam [FOLDER [ROUNDS]]: exam start (paper draw and copy) against cp -r.
add_executable(corvanth-bench-exam ${CMAKE_CURRENT_LIST_DIR}/exam.cpp)
target_link_libraries(corvanth-bench-exam PRIVATE corvanth_core corvanth_demotree)
target_compile_options(corvanth-bench-exam PRIVATE ${CORVANTH_WARNINGS})
