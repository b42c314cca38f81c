# SPDX-License-Identifier: MIT
# The libFuzzer build, clang only: configure with -DZELMORA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
# (the fuzz preset). Every library is compiled with coverage instrumentation and the address and
# undefined-behaviour sanitizers; the targets in fuzz/ link those libraries with libFuzzer's own
# main. The other executables still link (with the sanitizers alone), so a full build works as well.
option(ZELMORA_FUZZ "Build the libFuzzer targets in fuzz/ (clang only)" OFF)
if(ZELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ZELMORA_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()
