# corvanth-bench-redraw [count] [runs]: redraws a 120 x 40 owner-drawn button in
# each look of a table (styles, shapes, gradients, pictures), interleaved with
# as many paints of a plain QPushButton; prints min / median / max of the
# paired ratios per look and whether the median meets the aim (at most 2),
# and the redraws made while the cursor rests on a button.
add_executable(corvanth-bench-redraw ${CMAKE_CURRENT_LIST_DIR}/redraw.cpp)
target_link_libraries(corvanth-bench-redraw PRIVATE corvanth_widgets)
target_compile_options(corvanth-bench-redraw PRIVATE ${CORVANTH_WARNINGS})
