# What a Windows build of the plain layers adds (cmake/mingw-w64-x86_64.cmake).

# The project's code for Windows 10 and later, with the wide-character API and
# without the min/max macros and the rarely used parts of windows.h.
target_compile_definitions(ampera_options INTERFACE _WIN32_WINNT=0x0A00 UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)

# The headers of Debian's nlohmann-json3-dev and libxlsxwriter-dev, linked one by
# one into the build tree: the whole of /usr/include on the path would put
# glibc's headers in place of mingw-w64's.
set(AMPERA_HOST_INCLUDE /usr/include CACHE PATH "Folder of the headers that a Windows build takes from the build machine")
set(AMPERA_CROSS_INCLUDE ${PROJECT_BINARY_DIR}/cross-include)
file(MAKE_DIRECTORY ${AMPERA_CROSS_INCLUDE})
foreach(header nlohmann xlsxwriter.h xlsxwriter)
  if(NOT EXISTS ${AMPERA_HOST_INCLUDE}/${header})
    message(FATAL_ERROR "no ${AMPERA_HOST_INCLUDE}/${header} (scripts/install-deps.sh installs it)")
  endif()
  file(CREATE_LINK ${AMPERA_HOST_INCLUDE}/${header} ${AMPERA_CROSS_INCLUDE}/${header} SYMBOLIC)
endforeach()

# find_package(nlohmann_json) of the layers finds a package in the build tree
# that points at those headers, with the version the headers give.
file(READ ${AMPERA_HOST_INCLUDE}/nlohmann/detail/abi_macros.hpp json_macros)
set(json_version)
foreach(part MAJOR MINOR PATCH)
  if(NOT json_macros MATCHES "#define NLOHMANN_JSON_VERSION_${part} +([0-9]+)")
    message(FATAL_ERROR "no NLOHMANN_JSON_VERSION_${part} in ${AMPERA_HOST_INCLUDE}/nlohmann")
  endif()
  list(APPEND json_version ${CMAKE_MATCH_1})
endforeach()
list(JOIN json_version . json_version)
set(nlohmann_json_DIR ${PROJECT_BINARY_DIR}/cross-packages/nlohmann_json)
file(CONFIGURE OUTPUT ${nlohmann_json_DIR}/nlohmann_jsonConfig.cmake @ONLY CONTENT [[
if(NOT TARGET nlohmann_json::nlohmann_json)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES "@AMPERA_CROSS_INCLUDE@")
endif()
]])
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${nlohmann_json_DIR}/nlohmann_jsonConfigVersion.cmake VERSION ${json_version}
                                 COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
