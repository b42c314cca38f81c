# SPDX-License-Identifier: MIT
# The project's build options and its one way of declaring a library.
#
# zelmora_options: an interface target every target links, carrying the warning flags (errors with
# ZELMORA_WERROR), the rounding rule of the line arithmetic and Qt's keyword switch.
#
# zelmora_add_library(NAME SOURCES ... [HEADERS ...] [PUBLIC deps...] [PRIVATE deps...]) adds a
# static library for the folder it is called from. Its sources see the whole folder; the targets
# that link it see only the headers listed under HEADERS, as <folder>/<header>, through a folder of
# links in the build tree. <folder> is the folder's path from the project's root, so a room of the
# window layer is app/<room>. So a target can include the headers of the libraries it links and no
# others, and a folder cannot reach into one it does not depend on.

add_library(zelmora_options INTERFACE)
target_compile_options(zelmora_options INTERFACE -Wall -Wextra -Wpedantic $<$<BOOL:${ZELMORA_WERROR}>:-Werror>)
# Every product and sum of the line arithmetic is rounded to single precision on its own. Where the
# target has fused multiply-add, compilers would otherwise contract x * a + b into one rounding.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-ffp-contract=off ZELMORA_HAS_FP_CONTRACT_OFF)
if(ZELMORA_HAS_FP_CONTRACT_OFF)
  target_compile_options(zelmora_options INTERFACE -ffp-contract=off)
endif()
# "slots" and friends are macros in Qt; the code says Q_SIGNALS and Q_EMIT instead.
target_compile_definitions(zelmora_options INTERFACE QT_NO_KEYWORDS)

function(zelmora_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;HEADERS;PUBLIC;PRIVATE")
  cmake_path(RELATIVE_PATH CMAKE_CURRENT_SOURCE_DIR BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE folder)
  cmake_path(GET folder PARENT_PATH parent)
  set(public_root ${PROJECT_BINARY_DIR}/include/${name})
  set(private_root ${PROJECT_BINARY_DIR}/private/${name})
  file(REMOVE_RECURSE ${public_root} ${private_root})
  # Each link's folder is made first, or the link would fall back to a copy that goes stale.
  file(MAKE_DIRECTORY ${public_root}/${folder} ${private_root}/${parent})
  foreach(header IN LISTS arg_HEADERS)
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${public_root}/${folder}/${header} COPY_ON_ERROR SYMBOLIC)
  endforeach()
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${private_root}/${folder} COPY_ON_ERROR SYMBOLIC)

  add_library(${name} STATIC ${arg_SOURCES} ${arg_HEADERS})
  target_include_directories(${name} PUBLIC ${public_root} PRIVATE ${private_root})
  target_link_libraries(${name} PUBLIC ${arg_PUBLIC} PRIVATE zelmora_options ${arg_PRIVATE})
endfunction()
