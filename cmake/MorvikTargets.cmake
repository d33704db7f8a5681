# One library target per source folder: the folder's *.cpp files.
function(morvik_folder_library name)
  cmake_parse_arguments(ARG "OBJECT;QT_AUTOMOC" "" "LIBS;INCLUDES" ${ARGN})
  file(GLOB _sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # Headers are listed too, so that moc notices a header that is added later.
  file(GLOB _headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(ARG_OBJECT)
    add_library(${name} OBJECT ${_sources} ${_headers})
  else()
    add_library(${name} STATIC ${_sources} ${_headers})
  endif()
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR} ${ARG_INCLUDES})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  if(ARG_QT_AUTOMOC)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
  endif()
endfunction()

# A test program of GoogleTest cases, run headless by ctest.
function(morvik_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_compile_definitions(${name} PRIVATE
    MORVIK_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    MORVIK_PLUGIN_DIR="${MORVIK_PLUGIN_DIR}"
    VARNE_PLUGIN_PATH="${MORVIK_PLUGIN_DIR}/varne.so")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    TIMEOUT 900)
  # Tests load the built plug-in.
  add_dependencies(${name} varne)
endfunction()
