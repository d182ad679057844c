# Cross build for 32-bit Windows with mingw-w64: the program file users
# install. A 32-bit program without a requested execution level gets file
# virtualization, so a standard user can still write the quote file under
# c:\windows\system.
set(SAGELIGHT_MINGW_TRIPLE i686-w64-mingw32)
# Do floating point in SSE registers, in the same single and double precision
# as the 64-bit build, rather than in the x87's extended precision. Every
# Windows that runs this program has SSE2.
set(SAGELIGHT_MINGW_ARCH_FLAGS "-msse2 -mfpmath=sse")
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
