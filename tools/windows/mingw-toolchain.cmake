# Debian's MinGW-w64 cross compiler (posix threads, for std::thread and
# std::mutex), for every Windows build of velmedit and of the libraries it ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELM_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELM_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELM_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELM_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${VELM_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${VELM_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers only from the MinGW tree and the prefixes the build
# scripts name (VELM_MINGW_PREFIXES, a list); programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VELM_MINGW_TRIPLE} ${VELM_MINGW_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
