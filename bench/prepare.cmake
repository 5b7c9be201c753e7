# corvanth-bench-prepare [FOLDER [ROUNDS]]: exercise preparation against cp -r and rm -rf.
add_executable(corvanth-bench-prepare ${CMAKE_CURRENT_LIST_DIR}/prepare.cpp)
target_link_libraries(corvanth-bench-prepare PRIVATE corvanth_benchutil)
target_compile_options(corvanth-bench-prepare PRIVATE ${CORVANTH_WARNINGS})
