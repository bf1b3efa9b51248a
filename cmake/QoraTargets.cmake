# One static library per source folder: every .cpp of the folder, linked to the named
# dependencies. A folder without sources yet becomes an interface library.
function(qora_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One GoogleTest executable per test folder; every case is registered with CTest and
# runs on Qt's offscreen platform. (A second variable in the same ENVIRONMENT list would
# be split apart by gtest_discover_tests; the sanitizer options come from scripts/test.sh.)
function(qora_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} qora_test_support GTest::gtest GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    QORA_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data"
    QORA_SHIPPED_DATA_DIR="${PROJECT_SOURCE_DIR}/data"
    QORA_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 60)
endfunction()
