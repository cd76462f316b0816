# quillet_library(<name> [LINKS <targets>...])
# Builds a static library from every .cpp/.h in the calling folder. A folder that
# has no sources yet gives an interface library, so dependents can link it already.
function(quillet_library name)
  cmake_parse_arguments(ARG "" "" "LINKS" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER _sources INCLUDE REGEX "\\.cpp$")
  if(_sources)
    file(GLOB _all CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${_all})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LINKS})
  endif()
endfunction()

# quillet_test_timeout(<variable> <seconds>)
# Sets <variable> to a test's time-out: <seconds> times QUILLET_TEST_TIMEOUT_FACTOR
# (more than 1 in the sanitizer build, whose programs run slower).
function(quillet_test_timeout variable seconds)
  if(NOT QUILLET_TEST_TIMEOUT_FACTOR)
    set(QUILLET_TEST_TIMEOUT_FACTOR 1)
  endif()
  math(EXPR _scaled "${seconds} * ${QUILLET_TEST_TIMEOUT_FACTOR}")
  set(${variable} ${_scaled} PARENT_SCOPE)
endfunction()

# quillet_test(<name> SOURCES <files>... [LINKS <targets>...] [LABELS <labels>...])
# One Qt Test executable registered with CTest. GUI tests run headless.
function(quillet_test name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LINKS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE
      QUILLET_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      QUILLET_BINARY_DIR="${CMAKE_BINARY_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 300)
  endif()
  quillet_test_timeout(ARG_TIMEOUT ${ARG_TIMEOUT})
  set_tests_properties(${name} PROPERTIES
      TIMEOUT ${ARG_TIMEOUT}
      LABELS "${ARG_LABELS}"
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QTWEBENGINE_DISABLE_SANDBOX=1")
endfunction()

# Adds every sub-folder of the calling folder that has a CMakeLists.txt.
function(quillet_add_subfolders)
  file(GLOB _children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _children)
  foreach(_child ${_children})
    if(IS_DIRECTORY ${_child} AND EXISTS ${_child}/CMakeLists.txt)
      add_subdirectory(${_child})
    endif()
  endforeach()
endfunction()

# quillet_sanitizer_webengine(<test>...)
# In the sanitizer build: the tests that run a program with Qt WebEngine
# started. Its Chromium, built without the sanitizers, frees objects of its
# own with a size other than the one it allocated them with (at exit), which
# AddressSanitizer reports as new-delete-type-mismatch with every frame inside
# libQt6WebEngineCore. That check alone is turned off for these tests; the
# other suites keep it.
function(quillet_sanitizer_webengine)
  if(NOT QUILLET_SANITIZE)
    return()
  endif()
  foreach(_test ${ARGN})
    set_property(TEST ${_test} APPEND PROPERTY ENVIRONMENT_MODIFICATION
                 "ASAN_OPTIONS=string_append::new_delete_type_mismatch=0")
  endforeach()
endfunction()
