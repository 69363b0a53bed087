# Award processing, ranking and the award results report of a state contest.
find_package(benchmark REQUIRED)
add_executable(bench_results ${CMAKE_CURRENT_LIST_DIR}/bench_results.cpp)
target_link_libraries(bench_results PRIVATE marvolen_judging marvolen_testsupport benchmark::benchmark)
