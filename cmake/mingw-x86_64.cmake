# Cross build for 64-bit Windows with mingw-w64. This is the twin of the
# 32-bit program that users install; a 64-bit Wine runs it in the tests.
set(SAGELIGHT_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
