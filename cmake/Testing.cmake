# psd_add_test(NAME SOURCES ... LIBS ... [MAIN target] [ENV ...] [DEFS ...] [DEPENDS ...])
# One test executable per concept, run by CTest with the sanitizers' options and headless Qt.
# MAIN names the library that provides main() (GTest::gtest_main when omitted); DEFS are its
# compile definitions (fixture paths) and DEPENDS the targets it needs built first (the
# delivered database).
set(PSD_TEST_ENV
    "QT_QPA_PLATFORM=offscreen"
    "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=0"
    "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
    "LC_ALL=C.UTF-8")

function(psd_add_test name)
    cmake_parse_arguments(T "" "MAIN" "SOURCES;LIBS;ENV;DEFS;DEPENDS" ${ARGN})
    if(NOT T_MAIN)
        set(T_MAIN GTest::gtest_main)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} ${T_MAIN} GTest::gtest GTest::gmock)
    if(T_DEFS)
        target_compile_definitions(${name} PRIVATE ${T_DEFS})
    endif()
    if(T_DEPENDS)
        add_dependencies(${name} ${T_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${PSD_TEST_ENV};${T_ENV}" TIMEOUT 600)
endfunction()
