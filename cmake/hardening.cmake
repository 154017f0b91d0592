# AMPERA_HARDENING: the hardening flags of Debian's dpkg-buildflags
# (hardening=+all) on every target of the project: fortified C library calls
# in optimised builds, a strong stack protector, format-string checks, and a
# read-only relocation table bound at start (relro, bindnow). Position-independent
# executables are the compiler's default on Debian. Off in sanitizer builds,
# where the sanitizers check memory themselves.
option(AMPERA_HARDENING "Build with Debian's hardening flags" ON)
if(AMPERA_HARDENING AND NOT AMPERA_SANITIZE AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  target_compile_options(ampera_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>
                                                  -fstack-protector-strong -Wformat -Werror=format-security)
  if(WIN32)
    # mingw-w64 takes the stack protector's and the fortified calls' checks from
    # gcc's libssp, which the driver links when the flag is given to the link too.
    # Relro and bindnow are for ELF files, not for a Windows program (PE).
    target_link_options(ampera_options INTERFACE -fstack-protector-strong)
  else()
    target_link_options(ampera_options INTERFACE -Wl,-z,relro -Wl,-z,now)
  endif()
endif()
