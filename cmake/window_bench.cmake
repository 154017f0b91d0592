# The window-opening benchmark, run by hand: build/ampera-window-bench
add_executable(ampera-window-bench bench/window_opening.cpp)
target_link_libraries(ampera-window-bench ampera_ui)
