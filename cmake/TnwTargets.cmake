# Helpers shared by the project's libraries, tests, demo and benchmarks.

# Headers that nearly every source includes, precompiled once per target: the Windows and
# standard headers for the platform DLLs, the framework's and the sibling libraries' for
# the class library and its programs. Saves most of each source's compile time.
set(TNW_PCH_WINDOWS <windows.h> <string> <vector> <memory> <functional>)
set(TNW_PCH_FRAMEWORK ${TNW_PCH_WINDOWS} <afxwin.h> <afxcmn.h> <tnwbscut.h> <tnwwndut.h>)

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
  target_precompile_headers(${target} PRIVATE ${TNW_PCH_WINDOWS})
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
    target_precompile_headers(${target} PRIVATE ${TNW_PCH_WINDOWS} <gtest/gtest.h>)
  elseif(T_OWN_MAIN)
    target_link_libraries(${target} PRIVATE tnw_test_support_framework ${T_LINKS})
  else()
    target_link_libraries(${target} PRIVATE tnw_test_support ${T_LINKS})
  endif()
  if(NOT T_PLAIN)
    tnw_use_framework_pch(${target} REUSE_FROM tnw_test_pch)
  endif()
  # Test code is compiled for speed of building: it is mostly GoogleTest's macros.
  target_compile_options(${target} PRIVATE -O1)
  add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT ${TNW_TEST_TIMEOUT})
  if(NOT T_PLAIN)
    # Programs with windows share the desktop's one foreground window and keyboard focus:
    # two of them at once take activation and focus from each other, so ctest runs them
    # one after another (programs without windows still run beside them).
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop)
  endif()
endfunction()

# tnw_use_framework_pch(<target> [REUSE_FROM <target>] [<header>...]): the framework's
# headers and the given ones, or the precompiled headers of another target built with the
# same flags.
function(tnw_use_framework_pch target)
  cmake_parse_arguments(P "" "REUSE_FROM" "" ${ARGN})
  if(P_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${P_REUSE_FROM})
  else()
    target_precompile_headers(${target} PRIVATE ${TNW_PCH_FRAMEWORK} ${P_UNPARSED_ARGUMENTS})
  endif()
endfunction()
