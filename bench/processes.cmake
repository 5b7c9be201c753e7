# corvanth-bench-processes [N [ROUNDS]]: the process presence test with N
# processes against a plain C scan of /proc, as root and as an ordinary user.
add_executable(corvanth-bench-processes ${CMAKE_CURRENT_LIST_DIR}/processes.cpp)
target_link_libraries(corvanth-bench-processes PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-processes PRIVATE ${CORVANTH_WARNINGS})
