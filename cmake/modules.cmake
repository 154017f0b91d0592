# What every target of the project shares: the warnings (and, with AMPERA_SANITIZE,
# the sanitizers). Each target links ampera_options privately, so these flags stay
# on the project's own code.
add_library(ampera_options INTERFACE)
target_compile_options(ampera_options INTERFACE -Wall -Wextra)

# ampera_module(<name> [DEPENDS <target>...])
# The static library ampera_<name> of the sources in the calling folder. Headers are
# included by their path from the source root ("core/fixed4.h"); the module needs
# C++20 and links the targets after DEPENDS privately.
function(ampera_module name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "DEPENDS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(ampera_${name} STATIC ${sources})
  target_include_directories(ampera_${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>)
  target_compile_features(ampera_${name} PUBLIC cxx_std_20)
  target_link_libraries(ampera_${name} PRIVATE ampera_options ${arg_DEPENDS})
endfunction()
