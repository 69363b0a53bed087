# PDF writer against libharu; libharu is used by this benchmark only.
find_package(benchmark REQUIRED)
find_path(HPDF_INCLUDE_DIR hpdf.h REQUIRED)
find_library(HPDF_LIBRARY hpdf REQUIRED)

add_executable(bench_pdf ${CMAKE_CURRENT_LIST_DIR}/bench_pdf.cpp)
target_include_directories(bench_pdf SYSTEM PRIVATE ${HPDF_INCLUDE_DIR})
target_link_libraries(bench_pdf PRIVATE marvolen_output benchmark::benchmark ${HPDF_LIBRARY})
