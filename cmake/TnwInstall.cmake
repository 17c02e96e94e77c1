# `cmake --install build --prefix dist`: headers, import libraries with a CMake package,
# and every DLL an application needs at run time.
include(CMakePackageConfigHelpers)

install(TARGETS afx afxmain tnwbscut tnwwndut tnwmfcut EXPORT tnwmfcutTargets
        RUNTIME DESTINATION bin
        ARCHIVE DESTINATION lib
        INCLUDES DESTINATION include)
install(FILES ${TNW_RUNTIME_DLLS} DESTINATION bin)

install(DIRECTORY platform/afx/ platform/base/ platform/window/ DESTINATION include
        FILES_MATCHING PATTERN "*.h" PATTERN "main" EXCLUDE)
install(DIRECTORY src/ DESTINATION include
        FILES_MATCHING PATTERN "*.h" PATTERN "res" EXCLUDE)

install(EXPORT tnwmfcutTargets NAMESPACE tnwmfcut:: DESTINATION lib/cmake/tnwmfcut)
configure_package_config_file(cmake/tnwmfcutConfig.cmake.in
  ${CMAKE_BINARY_DIR}/tnwmfcutConfig.cmake INSTALL_DESTINATION lib/cmake/tnwmfcut)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/tnwmfcutConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/tnwmfcutConfig.cmake
              ${CMAKE_BINARY_DIR}/tnwmfcutConfigVersion.cmake
        DESTINATION lib/cmake/tnwmfcut)
