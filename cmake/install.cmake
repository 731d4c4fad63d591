# What `cmake --install` puts under the prefix for an application author:
# every library with its headers (include/corvane, in the source tree's
# folders), the corvane program, and the package find_package(corvane) reads,
# whose imported targets are corvane::<library> with their link dependencies.
# Test programs, benchmarks and fuzzers stay out.
include(CMakePackageConfigHelpers)

set(CORVANE_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/corvane)

get_property(corvane_installed GLOBAL PROPERTY CORVANE_LIBRARIES)
list(APPEND corvane_installed corvane_tools)
# The Qt 6 backend is built only where Qt 6 was found; an application linking
# it needs Qt 6 as well, so the package then looks for it.
set(CORVANE_WITH_QT6 OFF)
set(CORVANE_WITH_QT6_PRINT OFF)
set(corvane_skipped_headers)
if(TARGET host_widgetset_qt6)
  list(APPEND corvane_installed host_widgetset_qt6)
  set(CORVANE_WITH_QT6 ON)
  if(TARGET Qt6::PrintSupport)
    set(CORVANE_WITH_QT6_PRINT ON)
  endif()
else()
  set(corvane_skipped_headers PATTERN qt6 EXCLUDE)
endif()
list(REMOVE_DUPLICATES corvane_installed)

install(TARGETS ${corvane_installed} EXPORT corvaneTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(TARGETS corvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Headers ending in _p.h are private to their module's sources.
install(DIRECTORY host core descriptors connections editors registration package designer tools
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/corvane
        FILES_MATCHING PATTERN "*.h" PATTERN "*_p.h" EXCLUDE ${corvane_skipped_headers})

install(EXPORT corvaneTargets NAMESPACE corvane:: DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
configure_package_config_file(cmake/corvaneConfig.cmake.in ${PROJECT_BINARY_DIR}/corvaneConfig.cmake
                              INSTALL_DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/corvaneConfigVersion.cmake
                                 COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/corvaneConfig.cmake ${PROJECT_BINARY_DIR}/corvaneConfigVersion.cmake
        DESTINATION ${CORVANE_INSTALL_CMAKEDIR})
