# SPDX-License-Identifier: MIT
# The core built with Debian's emscripten: the plain C++ layers and their tests, run under node.
# Included by the top-level file when the toolchain is emscripten's (emcmake cmake ...).

# emcmake names node with --experimental-wasm-threads as the program that runs what is built; the
# node of today has dropped that flag and refuses to start with it, and the core uses no threads.
list(REMOVE_ITEM CMAKE_CROSSCOMPILING_EMULATOR --experimental-wasm-threads)

# The core throws and catches (its strict number conversions among others); emscripten leaves
# exceptions off unless asked, at compile and at link time alike.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sALLOW_MEMORY_GROWTH=1)

# GoogleTest from Debian's source package, compiled by em++ here: Debian's built library is for
# the machine, not for WebAssembly. No threads in the browser build, so none in gtest either.
# GoogleTest's own file names its targets GTest::gtest and GTest::gtest_main, as the native
# build's find_package(GTest) does.
function(tolvanek_add_googletest_from_source)
    set(googletest_source /usr/src/googletest/googletest)
    if(NOT EXISTS ${googletest_source}/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest's source is not at ${googletest_source}: "
                            "install Debian's googletest package")
    endif()
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    add_subdirectory(${googletest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own code is not held to this project's warnings.
    target_compile_options(gtest PRIVATE -w)
    target_compile_options(gtest_main PRIVATE -w)
endfunction()
