# corvanth-bench-mock [FOLDER [ROUNDS]]: mock paper generation per level against cp -r.
add_executable(corvanth-bench-mock ${CMAKE_CURRENT_LIST_DIR}/mock.cpp)
target_link_libraries(corvanth-bench-mock PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-mock PRIVATE ${CORVANTH_WARNINGS})
