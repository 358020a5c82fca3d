# Shared part of the two MinGW-w64 toolchain files. The win32 thread model needs no
# winpthread DLL, so a static link leaves the exe importing system DLLs only.
set(CMAKE_C_COMPILER ${ORVENAL_MINGW_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${ORVENAL_MINGW_TRIPLE}-g++)
set(CMAKE_RC_COMPILER ${ORVENAL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORVENAL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
