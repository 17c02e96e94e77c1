# Helpers shared by the project's libraries, tests, demo and benchmarks.

set(TNW_TEST_TIMEOUT 300 CACHE STRING "Seconds a test program may run before ctest stops it")

# The compiler's run-time DLLs, copied beside the project's binaries.
function(tnw_copy_runtime_dlls)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                  OUTPUT_VARIABLE stdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                  OUTPUT_VARIABLE gcc_s OUTPUT_STRIP_TRAILING_WHITESPACE)
  find_file(TNW_WINPTHREAD_DLL libwinpthread-1.dll PATHS /usr/x86_64-w64-mingw32/lib
            NO_DEFAULT_PATH REQUIRED)
  set(dlls ${stdcxx} ${gcc_s} ${TNW_WINPTHREAD_DLL})
  foreach(dll IN LISTS dlls)
    if(NOT EXISTS "${dll}")
      message(FATAL_ERROR "The compiler's run-time DLL ${dll} is missing")
    endif()
    file(COPY ${dll} DESTINATION ${TNW_BIN_DIR})
  endforeach()
  set(TNW_RUNTIME_DLLS ${dlls} CACHE INTERNAL "")
endfunction()

# tnw_version_resource(<out-var> <module> <description> <suffix> <file-type>)
# A version resource for one binary, so that tools and the about box can show it.
function(tnw_version_resource out module description suffix type)
  set(TNW_MODULE ${module})
  set(TNW_DESCRIPTION ${description})
  set(TNW_SUFFIX ${suffix})
  set(TNW_FILE_TYPE ${type})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${module}_version.rc)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/ModuleVersion.rc.in ${rc} @ONLY)
  set(${out} ${rc} PARENT_SCOPE)
endfunction()

# tnw_add_module(<target> DESCRIPTION <text> EXPORT_DEFINE <macro> SOURCE_DIRS <dir>...
#                [INCLUDE_ROOT <dir>] [LINKS <lib>...] [RESOURCES <rc>...])
# A DLL of the project: every .cpp in the given folders, the folders as its public include
# path, <macro> defined while it is compiled so that its headers export rather than import.
function(tnw_add_module target)
  cmake_parse_arguments(M "" "EXPORT_DEFINE;INCLUDE_ROOT;DESCRIPTION" "SOURCE_DIRS;LINKS;RESOURCES"
                        ${ARGN})
  set(sources)
  foreach(dir IN LISTS M_SOURCE_DIRS)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  tnw_version_resource(version_rc ${target} "${M_DESCRIPTION}" .dll VFT_DLL)
  add_library(${target} SHARED ${sources} ${M_RESOURCES} ${version_rc})
  target_compile_definitions(${target} PRIVATE ${M_EXPORT_DEFINE})
  foreach(dir IN LISTS M_SOURCE_DIRS)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${dir}>)
  endforeach()
  if(M_INCLUDE_ROOT)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${M_INCLUDE_ROOT}>)
  endif()
  target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:include>)
  target_link_libraries(${target} PUBLIC ${M_LINKS})
  set_target_properties(${target} PROPERTIES PREFIX "" IMPORT_PREFIX "lib")
endfunction()

# tnw_add_test_program(<name> [PLAIN | OWN_MAIN] [LINKS <lib>...])
# One GoogleTest program for the subsystem folder tests/<name>, run by ctest under Wine.
# PLAIN programs test code below the class framework and use GoogleTest's own main; the
# others start the framework first, as a console application of the framework does.
# OWN_MAIN programs start the framework too, but bring their own application object and
# main.
function(tnw_add_test_program name)
  cmake_parse_arguments(T "PLAIN;OWN_MAIN" "" "LINKS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.cpp
                                      ${CMAKE_CURRENT_SOURCE_DIR}/${name}/*.rc)
  set(target test_${name})
  add_executable(${target} ${sources})
  if(T_PLAIN)
    target_link_libraries(${target} PRIVATE tnw_test_support_core gtest_main ${T_LINKS})
  elseif(T_OWN_MAIN)
    target_link_libraries(${target} PRIVATE tnw_test_support_framework ${T_LINKS})
  else()
    target_link_libraries(${target} PRIVATE tnw_test_support ${T_LINKS})
  endif()
  add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${TNW_TEST_TIMEOUT})
endfunction()
