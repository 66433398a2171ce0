# varnexa_add_test(NAME SOURCES file... LIBS target...)
# One GoogleTest executable; its tests are registered with CTest one by one. Tests reach their
# reference tables through VARNEXA_TEST_DATA_DIR (tests/data) and shared checks in tests/common.
function(varnexa_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/common)
    target_compile_definitions(${name} PRIVATE VARNEXA_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600)
endfunction()

# varnexa_add_folder_tests(PREFIX LIBS target...)
# One test executable per *_test.cpp file of the calling folder, named PREFIX_<file stem>, so a
# test file that does not build holds back only itself.
function(varnexa_add_folder_tests prefix)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
    foreach(source ${sources})
        get_filename_component(stem ${source} NAME_WE)
        varnexa_add_test(${prefix}_${stem} SOURCES ${source} LIBS ${ARG_LIBS})
    endforeach()
endfunction()
