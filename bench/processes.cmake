# corvanth-bench-processes [N]: the process presence test with N processes.
add_executable(corvanth-bench-processes ${CMAKE_CURRENT_LIST_DIR}/processes.cpp)
target_link_libraries(corvanth-bench-processes PRIVATE corvanth_core)
target_compile_options(corvanth-bench-processes PRIVATE ${CORVANTH_WARNINGS})
