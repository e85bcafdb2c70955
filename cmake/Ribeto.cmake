# Helpers shared by the folders' CMakeLists.

# Our own code: UTF-8 sources whose string literals become Shift-JIS. Only on our
# targets: libstdc++'s <chrono> (used by GoogleTest itself) cannot be compiled this way.
function(ribeto_code target)
  target_compile_options(${target} PRIVATE
    -finput-charset=UTF-8 -fexec-charset=CP932 -Wall -Wextra
    # GCC 12 reports impossible overlaps in inlined std::string concatenation.
    -Wno-restrict -Wno-missing-field-initializers)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# One library per folder, linked only to the folders it may use, so a stray include of
# a folder it must not depend on fails the build.
function(ribeto_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;SYSTEM" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  ribeto_code(${name})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} ${ARG_SYSTEM})
endfunction()

# A GoogleTest program, each of its tests a ctest test run under Wine. The tests of the
# suite named "Focus" follow the keyboard focus, which a window shown by any other test
# process can take away (every process shares one desktop under Wine's null driver), so
# they run alone.
function(ribeto_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  ribeto_code(${name})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} gtest gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       TEST_PREFIX "${name}." TEST_FILTER "-Focus.*" TEST_LIST ${name}_tests)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       TEST_PREFIX "${name}." TEST_FILTER "Focus.*" TEST_LIST ${name}_focus_tests
                       PROPERTIES RUN_SERIAL TRUE)
endfunction()
