# ctest reads this before it runs the tests of a -DCORVALE_SANITIZE=ON build, and every test
# process inherits what it sets. Options already in the environment are left as they are.
if(NOT DEFINED ENV{ASAN_OPTIONS})
    set(ENV{ASAN_OPTIONS} "halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1")
endif()
if(NOT DEFINED ENV{UBSAN_OPTIONS})
    set(ENV{UBSAN_OPTIONS} "halt_on_error=1:print_stacktrace=1")
endif()
if(NOT DEFINED ENV{LSAN_OPTIONS})
    set(ENV{LSAN_OPTIONS} "suppressions=${CMAKE_CURRENT_LIST_DIR}/lsan.supp:print_suppressions=0")
endif()
