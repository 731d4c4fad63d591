# corvane_library(NAME FOLDER [DEPS...]): a static library of every .cc file in FOLDER.
function(corvane_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# corvane_test(NAME FOLDER MAIN [DEPS...]): one test program made of every .cc
# in FOLDER, with MAIN the library providing main() (corvane_test_main for the
# host, corvane_kel_test_main for programs that start the library).
function(corvane_test name folder main)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cc)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${main} ${ARGN} GTest::gtest)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
endfunction()
