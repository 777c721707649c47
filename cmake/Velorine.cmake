# Shared build settings and the helpers every module uses.

set(VELORINE_WARNINGS -Wall -Wextra -Wshadow -Wold-style-cast -Wnon-virtual-dtor
    -Woverloaded-virtual -Wcast-align -Wformat=2)
if(VELORINE_WERROR)
  list(APPEND VELORINE_WARNINGS -Werror)
endif()

if(VELORINE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Settings for code written here (not for third-party targets).
function(velorine_target_settings target)
  target_compile_options(${target} PRIVATE ${VELORINE_WARNINGS})
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS
                             QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# velorine_add_library(name SOURCES ... [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One static library per module; its folder's parent is on the include path, so
# headers are included as "taglib/tag_record.h", "jukebox/skin/skin_loader.h".
function(velorine_add_library name)
  cmake_parse_arguments(L "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${L_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${L_PUBLIC_LIBS} PRIVATE ${L_PRIVATE_LIBS})
  velorine_target_settings(${name})
endfunction()

# velorine_add_executable(name SOURCES ... LIBS ...)
function(velorine_add_executable name)
  cmake_parse_arguments(E "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${E_SOURCES})
  target_link_libraries(${name} PRIVATE ${E_LIBS})
  velorine_target_settings(${name})
endfunction()

# velorine_add_test(name SOURCES ... LIBS ... [QT | GUI])
# Plain tests run under a test main that gives them a private HOME; QT tests get a
# QCoreApplication as well, GUI tests a QApplication on the offscreen platform.
function(velorine_add_test name)
  cmake_parse_arguments(T "QT;GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_GUI)
    set(main velorine_test_main_gui)
  elseif(T_QT)
    set(main velorine_test_main_qt)
  else()
    set(main velorine_test_main)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} ${main} velorine_test_support
                        GTest::gtest GTest::gmock)
  velorine_target_settings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VELORINE_TEST_ENV}"
                       WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# velorine_add_benchmark(name SOURCES ... LIBS ...)
function(velorine_add_benchmark name)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
  velorine_target_settings(${name})
endfunction()

# Adds every named subdirectory that holds a CMakeLists.txt.
macro(velorine_add_subdirectories_if_present)
  foreach(dir ${ARGN})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endmacro()

# Adds every direct subdirectory that holds a CMakeLists.txt, in name order.
macro(velorine_add_all_subdirectories)
  file(GLOB _velorine_children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT _velorine_children)
  foreach(_child ${_velorine_children})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${_child}/CMakeLists.txt)
      add_subdirectory(${_child})
    endif()
  endforeach()
endmacro()
