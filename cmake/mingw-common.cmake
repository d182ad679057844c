# Shared part of the mingw-w64 toolchain files; SAGELIGHT_MINGW_TRIPLE names
# the target. The program needs no threads of its own, so the compilers with
# Windows' native thread model do, and they link no pthread library.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SAGELIGHT_MINGW_TRIPLE})

set(CMAKE_C_COMPILER ${SAGELIGHT_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${SAGELIGHT_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${SAGELIGHT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SAGELIGHT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One section per function and object, so the linker can drop what the
# program never calls; the standard libraries are linked in statically, so
# the program needs nothing beyond Windows' own DLLs.
set(CMAKE_CXX_FLAGS_INIT "${SAGELIGHT_MINGW_ARCH_FLAGS} -ffunction-sections -fdata-sections")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL_INIT "-s")
