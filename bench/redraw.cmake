# corvanth-bench-redraw [count]: redraws a 120 x 40 owner-drawn button in each
# of its eight styles, next to as many paints of a plain QPushButton; prints
# each ratio, and the redraws made while the cursor rests on a button.
add_executable(corvanth-bench-redraw ${CMAKE_CURRENT_LIST_DIR}/redraw.cpp)
target_link_libraries(corvanth-bench-redraw PRIVATE corvanth_widgets)
target_compile_options(corvanth-bench-redraw PRIVATE ${CORVANTH_WARNINGS})
