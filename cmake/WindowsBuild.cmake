# Settings shared by every Windows target: static runtime, 8-bit Win32 interfaces.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 STRICT NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")

# Windows test programs run under wine64 in a prefix private to this build tree.
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
