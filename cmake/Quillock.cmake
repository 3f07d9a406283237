# Folders that hold Qt code are skipped in a core-only build unless they
# define a Qt-free "<folder>_core" library themselves.
function(quillock_add_folders)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()

# A static library of the given sources (default: every .cpp of the folder).
function(quillock_library name)
  cmake_parse_arguments(ARG "" "" "LINKS;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    # Headers are listed too so that moc sees every Q_OBJECT.
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# One test binary per tests/ subfolder; every TEST becomes a ctest case.
# XDISPLAY: its windows go on the shared X display, one such test at a time,
# so no other test's window exposes or covers them.
function(quillock_tests name)
  cmake_parse_arguments(ARG "XDISPLAY" "" "LINKS;ENV;SOURCES" ${ARGN})
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    QUILLOCK_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}"
    QUILLOCK_TEMPLATES="${PROJECT_SOURCE_DIR}/templates")
  set(lock "")
  if(ARG_XDISPLAY)
    set(lock RESOURCE_LOCK xdisplay)
  endif()
  # ENVIRONMENT is a list, split again by each layer test discovery passes it
  # through (the build command, the discovery script, its add_command); so
  # escaped, every variable reaches the test, not only the first.
  string(REPLACE ";" "\\\\\\\\\\\\\\\\;" environment "${ARG_ENV}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 PROPERTIES ENVIRONMENT "${environment}" ${lock})
endfunction()

# The four starting designs the wizard opens lie beside the program.
set(QUILLOCK_TEMPLATE_FILES kqlk22 kqlk32 kqlk42 tqlk)

# Copies the template files from templates/ next to `target`'s executable
# whenever they change.
function(quillock_copy_templates target)
  set(sources "")
  foreach(file ${QUILLOCK_TEMPLATE_FILES})
    list(APPEND sources ${PROJECT_SOURCE_DIR}/templates/${file})
  endforeach()
  add_custom_target(${target}_templates
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${sources} $<TARGET_FILE_DIR:${target}>
    DEPENDS ${sources}
    COMMENT "Templates beside ${target}")
  add_dependencies(${target} ${target}_templates)
endfunction()
