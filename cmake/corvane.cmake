include(GNUInstallDirs)

# corvane_library(NAME FOLDER [DEPS...]): a static library of every .cc file in
# FOLDER. Headers are included by their path from the source tree's root
# ("host/forms/forms.h"); installed, that root is include/corvane. Every
# library made here is installed (cmake/install.cmake).
function(corvane_library name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cc)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
                                            $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/corvane>)
  target_compile_features(${name} PUBLIC cxx_std_20)
  target_link_libraries(${name} PUBLIC ${ARGN})
  set_property(GLOBAL APPEND PROPERTY CORVANE_LIBRARIES ${name})
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

# corvane_embed_layouts(TARGET FOLDER): the form files (*.dfm) of FOLDER become
# part of TARGET's code (a generated source listing their texts by file name),
# remade whenever one of them changes.
function(corvane_embed_layouts target folder)
  file(GLOB layouts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.dfm)
  set(output ${PROJECT_BINARY_DIR}/generated/${target}_layouts.cc)
  # One argument for the script: the file names joined by '|'.
  string(REPLACE ";" "|" inputs "${layouts}")
  add_custom_command(OUTPUT ${output}
                     COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DINPUTS=${inputs}"
                             -P ${PROJECT_SOURCE_DIR}/cmake/embed_layouts.cmake
                     DEPENDS ${layouts} ${PROJECT_SOURCE_DIR}/cmake/embed_layouts.cmake
                     COMMENT "Embedding the form files of ${folder}" VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
