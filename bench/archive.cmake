# Backup and restore of 100,000 records, beside `sqlite3 .dump` of the same tables.
find_package(benchmark REQUIRED)
add_executable(bench_archive ${CMAKE_CURRENT_LIST_DIR}/bench_archive.cpp)
target_link_libraries(bench_archive PRIVATE marvolen_archive marvolen_testsupport SQLite::SQLite3 benchmark::benchmark)
