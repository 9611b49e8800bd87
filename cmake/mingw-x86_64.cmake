# Cross build for 64-bit Windows: the same sources, run under wine64 for tests.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAVRIN_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
