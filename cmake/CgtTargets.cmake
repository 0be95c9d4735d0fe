# Helpers shared by every layer, so that each folder's CMakeLists stays a few lines.

# Our own code builds with every warning as an error.
# GCC 12's -O3 object-size warnings fire on inlined standard-library code
# that is correct (known false positives); they stay warnings there.
function(cgt_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-error=restrict -Wno-error=stringop-overflow
                                             -Wno-error=array-bounds -Wno-error=stringop-overread)
  endif()
endfunction()

# cgt_layer(NAME DEPS...): a static library from every .cpp of the current folder.
function(cgt_layer name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
  cgt_warnings(${name})
endfunction()

# cgt_test(NAME DEPS...): one GoogleTest program from every .cpp of the current folder.
function(cgt_test name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  cgt_warnings(${name})
  # NO_PRETTY_VALUES: a parameterised case is listed under the name its
  # instantiation gives it, never under a printout of its parameter (raw bytes
  # and addresses that change from run to run, or long text with spaces).
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
